#pragma once

#include <QUrl>

namespace velmora {

enum class VendorPage { OnlineHelp, HomePage, Download, CoBrand, FullyBranded, OtherDecks, DeckSharing };

// The vendor site's address, set when the program is built; ends in "/".
[[nodiscard]] QUrl vendorBaseUrl();
[[nodiscard]] QUrl vendorPageUrl(VendorPage page);
// Hands the page to the user's browser. Whether one opened is not reported.
void OpenVendorPage(VendorPage page);

} // namespace velmora
