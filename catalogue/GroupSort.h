#pragma once
// Putting a group's members in a new order: the sort dialog moves names about and saves;
// each name keeps the map flag it had.
#include <QList>
#include <QString>
#include <QStringList>

#include "catalogue/GroupFiles.h"

namespace orbivox {

// The entry at from taken out and put in at to (both rows of the list as it was).
void MoveEntry(QStringList& order, int from, int to);

// The members in the new order, each with the flag of the equal name in the old order.
QList<GroupMember> ReorderedMembers(const QList<GroupMember>& oldOrder,
                                    const QStringList& newOrder);

// Rewrites the group's file in configFolder in the new order. Throws SqfError.
void SaveSortedGroup(const QString& configFolder, const QString& group,
                     const QList<GroupMember>& oldOrder, const QStringList& newOrder);

}  // namespace orbivox
