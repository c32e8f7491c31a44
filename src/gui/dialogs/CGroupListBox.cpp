#include "gui/dialogs/CGroupListBox.h"

#include "core/model/CGroup.h"
#include "core/text/CTextCodec.h"

void CGroupListBox::SetList(const CPickList<CGroup>& list, const CTextCodec& codec) {
    Present([&list] { return list.GetCount(); },
            [&list, &codec](int row) {
                return QString::fromStdString(codec.ToUtf8(list.GetAt(row)->m_strGroupName));
            },
            [&list](int row) { return list.IsSelected(row); });
}
