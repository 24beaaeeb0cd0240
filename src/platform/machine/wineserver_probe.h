#pragma once

#include <string>

namespace platform {

// Whether a wineserver is serving the Wine prefix in the Unix folder `prefix`. Wine keeps the
// server's socket in a folder named after the prefix folder's device and inode,
// "server-<dev>-<inode>" in hex, inside /tmp/.wine-<uid>/ — or, in builds that make a private
// temporary folder for it, inside the folder the prefix's "wineserver" file names. A server
// runs when someone accepts connections on that socket; a socket left behind by a server that
// ended does not count.
bool WineserverServes(const std::string& prefix);

}  // namespace platform
