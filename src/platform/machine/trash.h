#pragma once

#include <sys/types.h>

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace platform {

// Where the user's trash lives, as the desktop's file managers look for it: the home trash in the
// data home, and on every other mounted file system a trash named after the user id at the top of
// that file system.
struct TrashPlace {
  std::string dataHome;  // $XDG_DATA_HOME, else ~/.local/share
  uid_t uid = 0;
  std::string mountTable = "/proc/self/mountinfo";

  // Empty when there is no data home to hold one.
  std::string homeTrash() const { return dataHome.empty() ? "" : dataHome + "/Trash"; }
};

// The place for a home folder and an XDG_DATA_HOME value as the environment gives them; an empty
// or relative XDG_DATA_HOME is ignored, as the base-directory rules say.
TrashPlace TrashPlaceFor(std::string_view home, std::string_view xdgDataHome, uid_t uid);
// The same for this process: its HOME (else the user database) and XDG_DATA_HOME.
TrashPlace TrashPlaceFromEnvironment();

struct TrashOutcome {
  bool moved = false;
  std::string reason;       // why not, when it was not moved
  std::string trashFolder;  // the trash it went to
  std::string name;         // its name in files/; info/ holds name + ".trashinfo"
};

// Moves a file, folder or link (the link itself) into the trash of its file system: the home
// trash when it is on the home trash's mount, else the top directory's trash of its own mount.
// The item is only ever renamed, never copied; when the rename fails nothing is left behind.
TrashOutcome MoveToTrash(const std::string& path, const TrashPlace& place);

// The user's trash folders: the home trash, then every volume trash of the user that exists on
// a mounted file system.
std::vector<std::string> TrashFolders(const TrashPlace& place);

// Deletes everything in a trash folder's files/ and info/, and its size cache. Links are deleted
// as links and no other mounted file system is entered. An item that cannot be deleted keeps its
// info, so the file manager still shows it. True when nothing remained; a missing folder is empty.
bool EmptyTrash(const std::string& trashFolder);

// Deletes a file, link or folder tree bottom-up without following links (a link is removed, what
// it points to is untouched) or entering another mounted file system. Read-only entries go too:
// folders on the way are opened up for their owner, and a folder that stays behind gets its
// permissions back. Links in the path leading to the entry are followed. True when it is gone.
bool RemoveTree(const std::string& path);

// A path percent-encoded for a .trashinfo file: every byte but letters, digits, "-", "_", ".",
// "~" and "/" becomes %XX.
std::string EncodeTrashPath(std::string_view path);

// The top directory of the file system that holds a path: the deepest mount point in the mount
// table that contains it and is on the same device. nullopt when none is found.
std::optional<std::string> VolumeTopDirectory(const std::string& path,
                                              const std::string& mountTable);

}  // namespace platform
