#include "gui/views/CListEdit.h"

#include "core/model/CFieldTable.h"
#include "core/views/CListCellEditor.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QHeaderView>
#include <QInputMethod>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QScrollBar>
#include <QTableView>

#include <limits>

namespace {
// The name cell begins with the person's icon; the editor covers the text beside it.
constexpr int NAME_ICON_SPACE = 20;
// A thin border like the one the list's editor always had, and no padding, so that the text
// sits where the cell's own text stood.
constexpr const char* EDITOR_STYLE = "QLineEdit { border: 1px solid palette(text); padding: 0px; "
                                     "margin: 0px; }";
} // namespace

CListEdit::CListEdit(QTableView& list, CListCellEditor& editing)
    : QLineEdit(list.viewport()), m_list(list), m_editing(editing) {
    setObjectName(QStringLiteral("cellEditor"));
    // Records have no length limit, and a line edit would cut a longer text.
    setMaxLength(std::numeric_limits<int>::max());
    // Font and colours come from the list through the viewport, the options' colours too.
    setStyleSheet(QString::fromLatin1(EDITOR_STYLE));
    setFrame(false);
    // Opaque, so the cell beneath is not drawn only to be covered at every move.
    setAutoFillBackground(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    hide();
    const auto follow = [this] {
        FollowCell();
    };
    connect(list.horizontalScrollBar(), &QScrollBar::valueChanged, this, follow);
    connect(list.verticalScrollBar(), &QScrollBar::valueChanged, this, follow);
    connect(list.horizontalHeader(), &QHeaderView::sectionResized, this, follow);
    connect(list.horizontalHeader(), &QHeaderView::sectionMoved, this, follow);
}

ECellKey CListEdit::CellKeyOf(const QKeyEvent& key) {
    switch (key.key()) {
    case Qt::Key_Shift:
        return ECellKey::Shift;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        return ECellKey::Tab;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return ECellKey::Enter;
    case Qt::Key_Escape:
        return ECellKey::Escape;
    case Qt::Key_End:
        return ECellKey::End;
    case Qt::Key_Home:
        return ECellKey::Home;
    case Qt::Key_Left:
        return ECellKey::Left;
    case Qt::Key_Right:
        return ECellKey::Right;
    case Qt::Key_Up:
        return ECellKey::Up;
    case Qt::Key_Down:
        return ECellKey::Down;
    case Qt::Key_Delete:
        return ECellKey::Delete;
    case Qt::Key_F2:
        return ECellKey::F2;
    default:
        return ECellKey::Other;
    }
}

void CListEdit::TakeKey(const QKeyEvent& key) {
    // Typing replaces the cell's text; once typed into, the text stays whatever has the focus.
    if (!hasFocus()) {
        setFocus(Qt::OtherFocusReason);
        if (!isModified())
            SelectAllFromStart();
    }
    QKeyEvent copy(key.type(), key.key(), key.modifiers(), key.text(), key.isAutoRepeat(),
                   static_cast<quint16>(key.count()));
    QCoreApplication::sendEvent(this, &copy);
}

void CListEdit::SelectAllFromStart() {
    // Selected backwards, the caret rests at the start: a long address shows its beginning.
    setSelection(static_cast<int>(text().size()), -static_cast<int>(text().size()));
}

void CListEdit::FollowCell() {
    const QModelIndex index = m_list.model()->index(m_nRow, m_nField);
    if (!index.isValid())
        return;
    QRect cell = m_list.visualRect(index);
    if (m_nField == CFieldTable::FIELD_NAME)
        cell.setLeft(cell.left() + NAME_ICON_SPACE);
    setGeometry(cell);
    TellInputMethod();
}

void CListEdit::TellInputMethod() const {
    // The list answers for this editor while it keeps the focus: the candidate window follows
    // the cell, and the input method turns on and off with the editor.
    if (m_list.hasFocus())
        QGuiApplication::inputMethod()->update(Qt::ImQueryAll);
}

bool CListEdit::IsInputMethodHere() const {
    const QObject* focus = QGuiApplication::focusObject();
    return focus == this || focus == &m_list;
}

void CListEdit::SetInputMethodCalls(CInputMethodCalls calls) {
    m_inputMethod = std::move(calls);
}

void CListEdit::CommitComposition() {
    if (m_composing.isEmpty())
        return;
    // The input method confirms its conversion into whatever has the focus: asked only while
    // that is this cell. Some confirm when asked to commit, others only when reset.
    if (IsInputMethodHere()) {
        m_inputMethod.commit();
        if (!m_composing.isEmpty())
            m_inputMethod.reset();
    }
    if (m_composing.isEmpty())
        return;
    // It dropped the conversion, or serves another widget by now: the cell takes it. Should the
    // input method confirm it after all, that is the same text a second time.
    m_confirmedHere = m_composing;
    QInputMethodEvent confirmed;
    confirmed.setCommitString(m_composing);
    QLineEdit::inputMethodEvent(&confirmed);
    m_composing.clear();
}

void CListEdit::inputMethodEvent(QInputMethodEvent* event) {
    if (!m_confirmedHere.isEmpty() &&
        (!event->commitString().isEmpty() || !event->preeditString().isEmpty())) {
        const bool echo = m_composing.isEmpty() && event->preeditString().isEmpty() &&
                          event->commitString() == m_confirmedHere;
        m_confirmedHere.clear();
        if (echo) {
            event->accept();
            return;
        }
    }
    QLineEdit::inputMethodEvent(event);
    m_composing = event->preeditString();
}

void CListEdit::Place(int row, int field, bool scrollIntoView) {
    m_nRow = row;
    m_nField = field;
    const QModelIndex index = m_list.model()->index(row, field);
    if (!index.isValid())
        return;
    m_list.selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect |
                                                        QItemSelectionModel::Rows);
    if (scrollIntoView)
        m_list.scrollTo(index, QAbstractItemView::EnsureVisible);
    FollowCell();
}

void CListEdit::SetText(const std::string& text) {
    setText(QString::fromStdString(text));
}

std::string CListEdit::GetText() const {
    return text().toStdString();
}

void CListEdit::ShowEditor(bool focusEditor) {
    m_list.setFocus(Qt::OtherFocusReason);
    show();
    raise();
    SelectAllFromStart();
    if (focusEditor)
        FocusEditor();
    TellInputMethod();
}

void CListEdit::HideEditor() {
    if (hasFocus())
        m_list.setFocus(Qt::OtherFocusReason);
    hide();
    TellInputMethod();
}

void CListEdit::FocusEditor() {
    setFocus(Qt::OtherFocusReason);
    SelectAllFromStart();
}

void CListEdit::EditText() {
    setFocus(Qt::OtherFocusReason);
    deselect();
    end(false);
}

bool CListEdit::event(QEvent* event) {
    if (event->type() == QEvent::ShortcutOverride) {
        // Ctrl+Z and Ctrl+Y are the address book's undo and redo, which commit this editor
        // first; the line edit's own would take them otherwise.
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->matches(QKeySequence::Undo) || key->matches(QKeySequence::Redo) ||
            key->keyCombination() == QKeyCombination(Qt::ControlModifier, Qt::Key_Y)) {
            event->ignore();
            return false;
        }
    } else if (event->type() == QEvent::KeyPress) {
        // Tab moves to the next cell rather than along the window.
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab) {
            keyPressEvent(static_cast<QKeyEvent*>(event));
            return true;
        }
    }
    return QLineEdit::event(event);
}

void CListEdit::keyPressEvent(QKeyEvent* event) {
    const bool shift = event->modifiers() & Qt::ShiftModifier;
    const CEditorKeyRule rule = CCellKeys::ForEditor(CellKeyOf(*event), shift);
    if (rule.toList != ECellKey::Other)
        m_editing.OnListKey(rule.toList, shift);
    if (rule.ownHandling)
        QLineEdit::keyPressEvent(event);
    // The list hands this editor the keys it does not take itself: one that the line edit leaves
    // must not travel back up to the list.
    event->accept();
}

void CListEdit::focusOutEvent(QFocusEvent* event) {
    QLineEdit::focusOutEvent(event);
    // A menu opening takes the focus for a moment only; the mode commands decide then.
    if (event->reason() != Qt::PopupFocusReason)
        m_editing.OnEditorKillFocus();
}
