#pragma once
// The four most recently used program files, entry 0 the most recent; an empty text is an empty slot.

#include <QString>
#include <array>

namespace kv {

using RecentFileList = std::array<QString, 4>;

// Puts the path first. A path already in the list moves up from its slot; otherwise every entry
// moves down one and the last one drops out.
void AddRecentFile(RecentFileList& files, const QString& path);

}  // namespace kv
