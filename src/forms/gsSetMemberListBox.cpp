#include "forms/gsSetMemberListBox.h"

#include "core/helpers.h"
#include "core/masterlists.h"
#include "platform/vbruntime.h"

#include <QListWidget>

#include <numeric>

void gsSetMemberListBox(Integer sortFlag, Integer textKind, QListWidget* list, Long groupFilter,
                        Integer markFilter)
{
    list->clear();
    list->setCurrentRow(-1);
    if (gMemberList.empty())
        return;

    std::vector<Long> index;
    if (sortFlag == 1) {
        std::vector<QString> keys;
        keys.reserve(gMemberList.size());
        for (const MemberInfo& m : gMemberList)
            keys.push_back(vb::Trim(m.Sort) + vb::Trim(m.Name));
        index = gfSortedIndexAsc(keys);
    } else {
        index.resize(gMemberList.size());
        std::iota(index.begin(), index.end(), 0);
    }

    for (const Long i : index) {
        const MemberInfo& m = gMemberList[static_cast<size_t>(i)];
        if (m.State == 2)
            continue;
        if (groupFilter != -1 && m.BelongID != groupFilter)
            continue;
        if (markFilter != -1 && m.Marked != markFilter)
            continue;
        auto* item = new QListWidgetItem(textKind == 1 ? gfGetMemberDescription(m)
                                                       : gfGetMemberShortDescription(m));
        item->setData(Qt::UserRole, m.IDNo);
        list->addItem(item);
    }
}
