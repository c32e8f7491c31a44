#include "CGroupListBox.h"

#include "model/CGroup.h"
#include "text/CTextCodec.h"

void CGroupListBox::SetList(const CPickList<CGroup>& list, const CTextCodec& codec) {
    Present([&list] { return list.GetCount(); },
            [&list, &codec](int row) {
                return QString::fromStdString(codec.ToUtf8(list.GetAt(row)->m_strGroupName));
            },
            [&list](int row) { return list.IsSelected(row); });
}
