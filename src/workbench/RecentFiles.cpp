#include "workbench/RecentFiles.h"

#include <algorithm>

namespace kv {

void AddRecentFile(RecentFileList& files, const QString& path) {
    auto slot = std::find(files.begin(), files.end(), path);
    if (slot == files.end()) slot = files.end() - 1;
    std::rotate(files.begin(), slot, slot + 1);
    files.front() = path;
}

}  // namespace kv
