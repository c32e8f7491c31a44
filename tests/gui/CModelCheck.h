#pragma once

#include <QAbstractItemModelTester>
#include <QStringList>

#include <memory>

// Runs QAbstractItemModelTester on a model for as long as it lives and collects every check
// that failed, so that a GoogleTest can show them instead of the process aborting.
class CModelCheck {
public:
    explicit CModelCheck(QAbstractItemModel* model)
        : m_previous(qInstallMessageHandler(&CModelCheck::Collect)) {
        Failures().clear();
        m_tester = std::make_unique<QAbstractItemModelTester>(
            model, QAbstractItemModelTester::FailureReportingMode::Warning);
    }
    ~CModelCheck() {
        m_tester.reset();
        qInstallMessageHandler(m_previous);
    }
    CModelCheck(const CModelCheck&) = delete;
    CModelCheck& operator=(const CModelCheck&) = delete;

    QStringList GetFailures() const { return Failures(); }

private:
    // A message handler is a plain function, so the failures have to live somewhere static.
    static QStringList& Failures() {
        static QStringList failures;
        return failures;
    }
    static void Collect(QtMsgType type, const QMessageLogContext& context, const QString& text) {
        if (type != QtDebugMsg && context.category &&
            QLatin1String(context.category) == QLatin1String("qt.modeltest"))
            Failures().append(text);
    }

    QtMessageHandler m_previous;
    std::unique_ptr<QAbstractItemModelTester> m_tester;
};
