// Moving names within a group's order and saving the group in its new order with the map flags
// carried over.
#include "catalogue/GroupSort.h"

namespace orbivox {

void MoveEntry(QStringList& order, int from, int to) {
    if (from < 0 || from >= order.size() || to < 0 || from == to) {
        return;
    }
    const QString entry = order.takeAt(from);
    order.insert(std::min(to, static_cast<int>(order.size())), entry);
}

QList<GroupMember> ReorderedMembers(const QList<GroupMember>& oldOrder,
                                    const QStringList& newOrder) {
    QList<GroupMember> members;
    for (const QString& name : newOrder) {
        bool onMap = false;
        for (const GroupMember& old : oldOrder) {
            if (old.name == name) {
                onMap = old.onMap;
                break;
            }
        }
        members.append({name, onMap});
    }
    return members;
}

void SaveSortedGroup(const QString& configFolder, const QString& group,
                     const QList<GroupMember>& oldOrder, const QStringList& newOrder) {
    WriteGroupFile(FindGroupFile(configFolder, group), ReorderedMembers(oldOrder, newOrder));
}

}  // namespace orbivox
