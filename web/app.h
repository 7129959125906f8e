// The page as an app to install, where it is served from a web host.
#pragma once

namespace ritmolis {

// Served over HTTPS (or from this machine, over HTTP), the page names its
// manifest and its icon for iOS's home screen, and registers the service
// worker that keeps it for use without a connection (web/app/, beside the
// page in its folder). Opened from a file, it does nothing: the page stays
// the one self-contained file it is, and asks for nothing else.
void OfferApp();

}  // namespace ritmolis
