#include "gui/dialogs/CQtSyncDialogs.h"

#include "core/sync/CSyncTexts.h"
#include "core/text/CSharedTexts.h"
#include "gui/dialogs/CDialogTexts.h"
#include "gui/dialogs/COkCancelRow.h"
#include "gui/sync/CQtHttpClient.h"

#include <QDialog>
#include <QFormLayout>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
constexpr int URL_WIDTH = 420;
}

bool CQtSyncDialogs::AskServer(CSyncLogin& login) {
    QDialog dialog(m_pWindow);
    dialog.setWindowTitle(QString::fromUtf8(CSharedTexts::SYNC));
    auto* url = new QLineEdit(QString::fromStdString(login.url));
    url->setMinimumWidth(URL_WIDTH);
    auto* user = new QLineEdit(QString::fromStdString(login.user));
    auto* password = new QLineEdit(QString::fromStdString(login.password));
    password->setEchoMode(QLineEdit::Password);
    auto* form = new QFormLayout;
    form->addRow(QString::fromUtf8(CDialogTexts::SYNC_URL), url);
    form->addRow(QString::fromUtf8(CDialogTexts::SYNC_USER), user);
    form->addRow(QString::fromUtf8(CDialogTexts::SYNC_PASSWORD), password);
    auto* layout = new QVBoxLayout(&dialog);
    layout->addLayout(form);
    layout->addWidget(new QLabel(QString::fromUtf8(CDialogTexts::SYNC_PASSWORD_NOTE)));
    auto* buttons = new COkCancelRow(dialog);
    layout->addWidget(buttons);
    const auto filled = [&] {
        buttons->GetOk().setEnabled(!url->text().trimmed().isEmpty());
    };
    QObject::connect(url, &QLineEdit::textChanged, filled);
    filled();
    if (login.url.empty())
        url->setFocus();
    else
        password->setFocus();
    if (dialog.exec() != QDialog::Accepted)
        return false;
    login.url = url->text().trimmed().toStdString();
    login.user = user->text().toStdString();
    login.password = password->text().toStdString();
    return true;
}

std::unique_ptr<CHttpClient> CQtSyncDialogs::MakeClient(const CSyncLogin& login) {
    return std::make_unique<CQtHttpClient>(m_pWindow, QString::fromStdString(login.user),
                                           QString::fromStdString(login.password));
}

bool CQtSyncDialogs::ChooseCollection(const std::vector<std::string>& collections,
                                      std::string& chosen) {
    QStringList items;
    for (const std::string& collection : collections)
        items << QString::fromStdString(collection);
    bool ok = false;
    const QString item =
        QInputDialog::getItem(m_pWindow, QString::fromUtf8(CSharedTexts::SYNC),
                              QString::fromUtf8(CSyncTexts::CHOOSE_BOOK), items, 0, false, &ok);
    if (!ok)
        return false;
    chosen = item.toStdString();
    return true;
}
