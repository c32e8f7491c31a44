#include "gui/dialogs/CPersonalListBox.h"

#include "core/model/CPersonalData.h"
#include "core/text/CTextCodec.h"

void CPersonalListBox::SetList(const CPickList<CPersonalData>& list, const CTextCodec& codec) {
    Present([&list] { return list.GetCount(); },
            [&list, &codec](int row) {
                return QString::fromStdString(
                    codec.ToUtf8(list.GetAt(row)->GetText(EPersonText::Name)));
            },
            [&list](int row) { return list.IsSelected(row); });
}
