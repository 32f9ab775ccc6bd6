#include "learn/studycards.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QLocale>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QTextDocument>

namespace velmora {

namespace {

// Poker-card size, in millimetres: three by three fit on A4 and on Letter.
constexpr double kCardWidthMm = 63;
constexpr double kCardHeightMm = 88;
constexpr int kResolution = 300;

double dots(double millimetres)
{
    return millimetres / 25.4 * kResolution;
}

// The card's place on its page; a back page mirrors the columns.
QRectF cardRect(const QRectF &page, int slot, bool back)
{
    const int row = slot / kStudyColumns;
    int column = slot % kStudyColumns;
    if (back)
        column = kStudyColumns - 1 - column;
    const double width = dots(kCardWidthMm);
    const double height = dots(kCardHeightMm);
    const double left = page.center().x() - width * kStudyColumns / 2;
    const double top = page.center().y() - height * kStudyRows / 2;
    return {left + column * width, top + row * height, width, height};
}

void drawFront(QPainter &painter, const QRectF &rect, const StudyCard &card)
{
    const QRectF inner = rect.adjusted(dots(3), dots(3), -dots(3), -dots(3));
    if (card.picture.isNull()) {
        painter.drawText(inner, Qt::AlignCenter | Qt::TextWordWrap, card.name);
        return;
    }
    const QSizeF size = QSizeF(card.picture.size()).scaled(inner.size(), Qt::KeepAspectRatio);
    const QRectF target(inner.center().x() - size.width() / 2, inner.center().y() - size.height() / 2, size.width(),
                        size.height());
    painter.drawImage(target, card.picture);
}

// Plain text only: the deck's texts are laid out, never read as markup.
void drawBack(QPainter &painter, const QRectF &rect, const StudyCard &card)
{
    const QRectF inner = rect.adjusted(dots(4), dots(4), -dots(4), -dots(4));
    QTextDocument document;
    document.setDocumentMargin(0);
    const auto paragraph = [](const QString &caption, const QString &text) {
        return caption.isEmpty() ? text.toHtmlEscaped()
                                 : QStringLiteral("<b>") + caption.toHtmlEscaped() + QStringLiteral("</b> ") +
                                       text.toHtmlEscaped().replace(QLatin1Char('\n'), QStringLiteral("<br>"));
    };
    document.setHtml(
        QStringLiteral("<p align=\"center\" style=\"font-size:large\"><b>") + card.name.toHtmlEscaped() +
        QStringLiteral("</b></p><p>") +
        paragraph(QCoreApplication::translate("StudyCards", "Keywords:"), card.keywords) + QStringLiteral("</p><p>") +
        paragraph(QCoreApplication::translate("StudyCards", "Upright:"), card.upright) + QStringLiteral("</p><p>") +
        paragraph(QCoreApplication::translate("StudyCards", "Reversed:"), card.reversed) + QStringLiteral("</p>"));
    document.setTextWidth(inner.width());
    // Long meanings get a smaller type, down to a floor; below it they are cut.
    for (double points = 9; points >= 5; points -= 0.5) {
        QFont font = painter.font();
        font.setPointSizeF(points);
        document.setDefaultFont(font);
        if (document.size().height() <= inner.height())
            break;
    }
    painter.save();
    painter.translate(inner.topLeft());
    painter.setClipRect(QRectF(QPointF(0, 0), inner.size()));
    document.drawContents(&painter, QRectF(QPointF(0, 0), inner.size()));
    painter.restore();
}

} // namespace

QPageSize::PageSizeId localStudyPaper()
{
    return QLocale::system().measurementSystem() == QLocale::ImperialUSSystem ? QPageSize::Letter : QPageSize::A4;
}

QByteArray studyCardsPdf(const QVector<StudyCard> &cards, QPageSize::PageSizeId paper, const QString &deckName)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    writer.setTitle(deckName);
    writer.setCreator(QStringLiteral("Velmora"));
    writer.setResolution(kResolution);
    writer.setPageLayout(
        QPageLayout(QPageSize(paper), QPageLayout::Portrait, QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter));
    QPainter painter(&writer);
    const QRectF page(QPointF(0, 0), QSizeF(writer.width(), writer.height()));
    const int perPage = kStudyColumns * kStudyRows;
    QPen cut(Qt::lightGray);
    cut.setWidthF(dots(0.2));
    for (int first = 0; first < cards.size(); first += perPage) {
        for (const bool back : {false, true}) {
            if (first > 0 || back)
                writer.newPage();
            for (int slot = 0; slot < perPage && first + slot < cards.size(); ++slot) {
                const QRectF rect = cardRect(page, slot, back);
                painter.setPen(cut);
                painter.drawRect(rect);
                painter.setPen(Qt::black);
                if (back)
                    drawBack(painter, rect, cards[first + slot]);
                else
                    drawFront(painter, rect, cards[first + slot]);
            }
        }
    }
    painter.end();
    return bytes;
}

} // namespace velmora
