#pragma once

#include <QSplitter>

// The splitter between the group tree and the person list; it differs from Qt's only in how
// its bar looks.
class CMySplitter : public QSplitter {
    Q_OBJECT

public:
    explicit CMySplitter(QWidget* parent = nullptr);

protected:
    QSplitterHandle* createHandle() override;
};
