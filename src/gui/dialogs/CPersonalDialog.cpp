#include "gui/dialogs/CPersonalDialog.h"

#include "core/dialogs/CPersonalDialogModel.h"
#include "core/ui/CommandIds.h"
#include "gui/dialogs/CDialogFrame.h"
#include "gui/dialogs/CDialogIcons.h"
#include "gui/dialogs/CDialogTexts.h"
#include "gui/dialogs/CGroupListBox.h"
#include "gui/dialogs/CMailAddressEdit.h"
#include "gui/dialogs/COkCancelRow.h"
#include "gui/dialogs/CPickListLayout.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {
std::size_t Slot(EPersonText text) {
    return static_cast<std::size_t>(text);
}

struct CBoxRole {
    EPersonText text;
    const char* label;
    const char* objectName;
};

// The text boxes in the order of the dialog's controls, which is also the order in which OK
// reads them: the first box that cannot be saved is the one the user is sent to.
constexpr std::array<CBoxRole, CPersonalData::TEXT_COUNT> BOXES = {{
    {EPersonText::Name, CDialogTexts::PERSON_NAME, "name"},
    {EPersonText::Initial, CDialogTexts::PERSON_INITIAL, "initial"},
    {EPersonText::Zip, CDialogTexts::PERSON_ZIP, "zip"},
    {EPersonText::Address, CDialogTexts::PERSON_ADDRESS, "address"},
    {EPersonText::Tel1, CDialogTexts::PERSON_TEL1, "tel1"},
    {EPersonText::Tel2, CDialogTexts::PERSON_TEL2, "tel2"},
    {EPersonText::Email1, "e-mail (1)", "email1"},
    {EPersonText::Email2, "e-mail (2)", "email2"},
    {EPersonText::HomePage, CDialogTexts::PERSON_HOME_PAGE, "homePage"},
    {EPersonText::HomeZip, CDialogTexts::PERSON_HOME_ZIP, "homeZip"},
    {EPersonText::HomeAddress, CDialogTexts::PERSON_HOME_ADDRESS, "homeAddress"},
    {EPersonText::HomeTel, CDialogTexts::PERSON_HOME_TEL, "homeTel"},
    {EPersonText::Memo, CDialogTexts::PERSON_MEMO, "memo"},
}};

const CBoxRole& RoleOf(EPersonText text) {
    for (const CBoxRole& role : BOXES) {
        if (role.text == text)
            return role;
    }
    return BOXES.front();
}

QString LabelOf(EPersonText text) {
    return QString::fromUtf8(RoleOf(text).label);
}

// Tab goes through the controls in the order of the dialog's control table.
constexpr const char* TAB_ORDER[] = {
    "name",     "initial",     "male",    "female",       "zip",      "address",     "tel1",
    "tel2",     "email1",      "mail1",   "email2",       "mail2",    "homePage",    "openHomePage",
    "homeZip",  "homeAddress", "homeTel", "memberGroups", "addGroup", "removeGroup", "otherGroups",
    "newGroup", "memo",        "ok",      "cancel"};

constexpr int SPACING = 4;
constexpr int MEMO_MIN_LINES = 2;

QLabel* MakeLabel(const QString& text, QWidget* buddy, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setBuddy(buddy);
    return label;
}
} // namespace

CPersonalDialog::CPersonalDialog(CPersonalDialogModel& model, QWidget* parent)
    : QDialog(parent, CDialogFrame::FLAGS), m_model(model), m_fields(model.GetUserInterface()) {
    setWindowTitle(QString::fromStdString(m_model.GetTitle()));
    setWindowIcon(CDialogIcons::Person());

    // Laid out to fit a 1024 x 600 screen: the home town beside the groups, the memo taking
    // whatever height is left and giving it back first.
    auto* layout = new QVBoxLayout(this);
    layout->setSpacing(SPACING);
    layout->addWidget(MakeTextArea());
    auto* middle = new QHBoxLayout;
    middle->addWidget(MakeGroupArea(), 1);
    middle->addWidget(MakeHomeTownBox());
    layout->addLayout(middle);
    auto* memo = new QPlainTextEdit(this);
    memo->setObjectName(QLatin1String(RoleOf(EPersonText::Memo).objectName));
    memo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    memo->setTabChangesFocus(true);
    memo->setMinimumHeight(memo->fontMetrics().lineSpacing() * MEMO_MIN_LINES +
                           2 * memo->frameWidth() + 8);
    m_boxes[Slot(EPersonText::Memo)] = memo;
    layout->addWidget(MakeLabel(LabelOf(EPersonText::Memo), memo, this));
    layout->addWidget(memo, 2);
    layout->addWidget(MakeButtons());

    ShowValues();
    auto* name = static_cast<QLineEdit*>(GetBox(EPersonText::Name));
    connect(name, &QLineEdit::textChanged, this, &CPersonalDialog::OnNameChanged);
    OnNameChanged();
    UpdateCount();
    SetTabOrder();
    SetOpeningFocus();
}

CPersonalDialog::~CPersonalDialog() = default;

QWidget* CPersonalDialog::GetBox(EPersonText text) const {
    return m_boxes[Slot(text)];
}

void CPersonalDialog::AddLine(QGridLayout& grid, int row, EPersonText text) {
    AddLine(grid, row, text, *new QLineEdit(this));
}

void CPersonalDialog::AddLine(QGridLayout& grid, int row, EPersonText text, QLineEdit& edit) {
    edit.setObjectName(QLatin1String(RoleOf(text).objectName));
    m_boxes[Slot(text)] = &edit;
    grid.addWidget(MakeLabel(LabelOf(text), &edit, this), row, 0);
    grid.addWidget(&edit, row, 1);
}

QWidget* CPersonalDialog::MakeTextArea() {
    auto* area = new QWidget(this);
    auto* grid = new QGridLayout(area);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setVerticalSpacing(SPACING);
    grid->setColumnStretch(1, 1);

    AddLine(*grid, 0, EPersonText::Name);
    auto* initial = new QLineEdit(this);
    initial->setObjectName(QLatin1String(RoleOf(EPersonText::Initial).objectName));
    initial->setMaximumWidth(initial->fontMetrics().horizontalAdvance(
                                 QString::fromUtf8(CDialogTexts::PERSON_INITIAL_MEASURE)) *
                             8);
    m_boxes[Slot(EPersonText::Initial)] = initial;
    auto* initialRow = new QHBoxLayout;
    initialRow->addWidget(MakeLabel(LabelOf(EPersonText::Initial), initial, this));
    initialRow->addWidget(initial);
    grid->addLayout(initialRow, 0, 2);

    AddLine(*grid, 1, EPersonText::Zip);
    grid->addWidget(MakeSexBox(), 1, 2, 3, 1, Qt::AlignTop);
    AddLine(*grid, 2, EPersonText::Address);
    AddLine(*grid, 3, EPersonText::Tel1);
    AddLine(*grid, 4, EPersonText::Tel2);

    const struct {
        EPersonText text;
        const char* buttonName;
        int command;
    } mails[] = {{EPersonText::Email1, "mail1", ID_MAIL_EMAIL1},
                 {EPersonText::Email2, "mail2", ID_MAIL_EMAIL2}};
    int row = 5;
    for (const auto& mail : mails) {
        AddLine(*grid, row, mail.text, *new CMailAddressEdit(this));
        auto* button = new QPushButton(QString::fromUtf8(CDialogTexts::PERSON_WRITE_MAIL), this);
        button->setObjectName(QLatin1String(mail.buttonName));
        button->setAutoDefault(false);
        const int command = mail.command;
        connect(button, &QPushButton::clicked, this,
                [this, command] { emit commandRequested(command); });
        grid->addWidget(button, row++, 2, Qt::AlignLeft);
    }

    AddLine(*grid, row, EPersonText::HomePage);
    auto* open = new QPushButton(QString::fromUtf8(CDialogTexts::PERSON_OPEN_HOME_PAGE), this);
    open->setObjectName(QStringLiteral("openHomePage"));
    open->setAutoDefault(false);
    connect(open, &QPushButton::clicked, this, &CPersonalDialog::OnOpenHomePage);
    grid->addWidget(open, row, 2, Qt::AlignLeft);
    return area;
}

QWidget* CPersonalDialog::MakeSexBox() {
    auto* box = new QGroupBox(QString::fromUtf8(CDialogTexts::PERSON_SEX), this);
    auto* row = new QHBoxLayout(box);
    m_pMale = new QRadioButton(QString::fromUtf8(CDialogTexts::PERSON_MALE), box);
    m_pMale->setObjectName(QStringLiteral("male"));
    m_pFemale = new QRadioButton(QString::fromUtf8(CDialogTexts::PERSON_FEMALE), box);
    m_pFemale->setObjectName(QStringLiteral("female"));
    m_pSex = new QButtonGroup(box);
    m_pSex->addButton(m_pMale, CPersonalData::SEX_MALE);
    m_pSex->addButton(m_pFemale, CPersonalData::SEX_FEMALE);
    row->addWidget(m_pMale);
    row->addWidget(m_pFemale);
    return box;
}

QWidget* CPersonalDialog::MakeHomeTownBox() {
    auto* box = new QGroupBox(QString::fromUtf8(CDialogTexts::PERSON_HOME), this);
    auto* grid = new QGridLayout(box);
    grid->setVerticalSpacing(SPACING);
    grid->setColumnStretch(1, 1);
    int row = 0;
    for (const EPersonText text :
         {EPersonText::HomeZip, EPersonText::HomeAddress, EPersonText::HomeTel}) {
        auto* edit = new QLineEdit(box);
        edit->setObjectName(QLatin1String(RoleOf(text).objectName));
        m_boxes[Slot(text)] = edit;
        grid->addWidget(MakeLabel(LabelOf(text), edit, box), row, 0);
        grid->addWidget(edit, row++, 1);
    }
    return box;
}

QWidget* CPersonalDialog::MakeGroupArea() {
    auto* area = new QWidget(this);
    m_pMembers = new CGroupListBox(area);
    m_pMembers->setObjectName(QStringLiteral("memberGroups"));
    const auto move = CPickListLayout::MakeMoveButtons(*area, QStringLiteral("addGroup"),
                                                       QStringLiteral("removeGroup"));
    m_pAdd = move.add;
    m_pRemove = move.remove;
    m_pOthers = new CGroupListBox(area);
    m_pOthers->setObjectName(QStringLiteral("otherGroups"));
    auto* newGroup = new QPushButton(QString::fromUtf8(CDialogTexts::PERSON_NEW_GROUP), area);
    newGroup->setObjectName(QStringLiteral("newGroup"));
    m_pCount = new QLabel(area);
    m_pCount->setObjectName(QStringLiteral("groupCount"));
    m_pCount->setAlignment(Qt::AlignCenter);

    auto& lists = m_model.GetGroupLists();
    m_pMembers->SetList(lists.GetList(EPickSide::Members), m_fields.GetCodec());
    m_pOthers->SetList(lists.GetList(EPickSide::Others), m_fields.GetCodec());

    auto* buttons = new QVBoxLayout;
    newGroup->setAutoDefault(false);
    buttons->addStretch();
    buttons->addWidget(m_pAdd);
    buttons->addWidget(m_pRemove);
    buttons->addSpacing(8);
    buttons->addWidget(newGroup);
    buttons->addWidget(m_pCount);
    buttons->addStretch();
    CPickListLayout::Make(*area, QString::fromUtf8(CDialogTexts::PERSON_MEMBER_GROUPS), *m_pMembers,
                          *buttons, QString::fromUtf8(CDialogTexts::PERSON_OTHER_GROUPS),
                          *m_pOthers);

    m_binding = std::make_unique<CPickListBinding<CGroup>>(lists, *m_pMembers, *m_pOthers, *m_pAdd,
                                                           *m_pRemove, [this] { UpdateCount(); });
    connect(newGroup, &QPushButton::clicked, this, &CPersonalDialog::OnNewGroup);
    return area;
}

QWidget* CPersonalDialog::MakeButtons() {
    auto* row = new COkCancelRow(*this);
    m_pOk = &row->GetOk();
    return row;
}

void CPersonalDialog::ShowValues() {
    for (const CBoxRole& role : BOXES) {
        QWidget* box = GetBox(role.text);
        const std::string_view value = m_model.GetText(role.text);
        if (auto* memo = qobject_cast<QPlainTextEdit*>(box))
            m_fields.Show(*memo, value, LabelOf(role.text));
        else
            m_fields.Show(*static_cast<QLineEdit*>(box), value, LabelOf(role.text));
    }
    if (QAbstractButton* sex = m_pSex->button(m_model.GetSex()))
        sex->setChecked(true);
}

void CPersonalDialog::SetTabOrder() {
    QWidget* previous = nullptr;
    for (const char* name : TAB_ORDER) {
        auto* next = findChild<QWidget*>(QLatin1String(name));
        if (previous && next)
            setTabOrder(previous, next);
        previous = next ? next : previous;
    }
}

void CPersonalDialog::SetOpeningFocus() {
    const CFieldFocus focus = m_model.GetOpeningFocus();
    QWidget* box = GetBox(focus.text);
    box->setFocus(Qt::OtherFocusReason);
    if (!focus.selectAll)
        return;
    if (auto* memo = qobject_cast<QPlainTextEdit*>(box))
        memo->selectAll();
    else
        static_cast<QLineEdit*>(box)->selectAll();
}

void CPersonalDialog::setVisible(bool visible) {
    const bool opening = visible && !isVisible();
    QDialog::setVisible(visible);
    // Showing a dialog hands its focus box a Tab focus, which selects a line's whole text; a
    // name opened without a field asked for keeps its text, so the first key does not replace it.
    const CFieldFocus focus = m_model.GetOpeningFocus();
    if (opening && !focus.selectAll) {
        if (auto* line = qobject_cast<QLineEdit*>(GetBox(focus.text)))
            line->deselect();
    }
}

bool CPersonalDialog::ReadValues() {
    for (const CBoxRole& role : BOXES) {
        std::optional<std::string> value = m_fields.Read(*GetBox(role.text));
        if (!value)
            return false;
        m_model.SetText(role.text, std::move(*value));
    }
    const int sex = m_pSex->checkedId();
    m_model.SetSex(sex < 0 ? CPersonalData::SEX_NONE : sex);
    return true;
}

void CPersonalDialog::accept() {
    if (!ReadValues())
        return;
    if (m_model.OnOk() == EOkOutcome::RefocusName) {
        auto* name = static_cast<QLineEdit*>(GetBox(EPersonText::Name));
        name->setFocus(Qt::OtherFocusReason);
        name->selectAll();
        return;
    }
    QDialog::accept();
}

void CPersonalDialog::OnNameChanged() {
    const QString name = static_cast<QLineEdit*>(GetBox(EPersonText::Name))->text();
    m_pOk->setEnabled(CPersonalDialogModel::IsOkEnabled(name.toStdString()));
}

void CPersonalDialog::OnNewGroup() {
    if (m_model.OnNewGroup())
        m_binding->Refresh();
}

void CPersonalDialog::OnOpenHomePage() {
    std::optional<std::string> homePage = m_fields.Read(*GetBox(EPersonText::HomePage));
    if (!homePage)
        return;
    m_model.SetText(EPersonText::HomePage, std::move(*homePage));
    m_model.OpenHomePage();
}

void CPersonalDialog::UpdateCount() {
    m_pCount->setText(QString::fromStdString(m_model.GetCountText()));
}
