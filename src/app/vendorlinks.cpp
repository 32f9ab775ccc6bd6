#include "app/vendorlinks.h"

#include <QDesktopServices>

namespace velmora {

QUrl vendorBaseUrl()
{
    QString base = QStringLiteral(VELMORA_VENDOR_BASE_URL);
    if (!base.endsWith(QLatin1Char('/')))
        base.append(QLatin1Char('/'));
    return QUrl(base);
}

QUrl vendorPageUrl(VendorPage page)
{
    const QString base = vendorBaseUrl().toString();
    const auto keyed = [&base](const char *key) {
        return QUrl(base + QStringLiteral("ssd.php?page=") + QLatin1String(key));
    };
    switch (page) {
    case VendorPage::OnlineHelp:
        return keyed("help-web-page");
    case VendorPage::HomePage:
        return keyed("home-page");
    case VendorPage::Download:
        return keyed("download-web-page");
    case VendorPage::CoBrand:
        return keyed("co-brand");
    case VendorPage::FullyBranded:
        return keyed("fully-branded");
    case VendorPage::OtherDecks:
        return QUrl(base + QStringLiteral("decks/download-other-tarot-decks.html"));
    case VendorPage::DeckSharing:
        return QUrl(base + QStringLiteral("decks/how-to-share-your-tarot-deck.html"));
    }
    return vendorBaseUrl();
}

void OpenVendorPage(VendorPage page)
{
    (void)QDesktopServices::openUrl(vendorPageUrl(page));
}

} // namespace velmora
