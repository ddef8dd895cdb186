// Makes one of the PDF manuals from its Markdown source: A4 pages with the manual's title at the
// top, the page number at the bottom, each chapter on a new page, a contents list with page
// numbers where the source holds the line "<!-- contents -->", and pictures taken from the
// figure folder (sheets and graphs the runner drew) or drawn here by the program's own block
// picture code ("block-N.png", N the function code).
//
//   make_manual SOURCE.md OUTPUT.pdf FIGURE_FOLDER

#include <QFile>
#include <QFileInfo>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QRegularExpression>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFragment>
#include <QTextTable>
#include <QUrl>

#include <QAbstractTextDocumentLayout>

#include <cmath>
#include <cstdio>
#include <memory>
#include <vector>

#include "drawing/block_pictures.h"
#include "model/catalogue.h"
#include "render/qt_canvas.h"

namespace {

using namespace quorvane;

constexpr int Resolution = 300;           // dots per inch of the PDF's layout
constexpr double ScreenDpi = 96.0;        // image widths in a text document are at this density
constexpr double MarginMm = 18.0;
constexpr double FooterPoints = 20.0;     // room kept for the header and the page number
constexpr double BlockPictureInches = 0.8;
constexpr double FigureShare = 0.7;       // the widest figure, as a share of the text width
constexpr int BlockPictureScale = 3;      // drawn at three times the sheet's density
const QString ContentsMarker = QStringLiteral("<!-- contents -->");
// The Markdown reader drops comments, so the marker becomes this paragraph first.
const QString ContentsPlaceholder = QStringLiteral("@contents@");

/// The function's picture as on a sheet, with a small margin so the terminal stubs show.
QImage BlockPicture(const Catalogue& catalogue, int code) {
    constexpr int Margin = 60;
    constexpr int Extent = BlockPictureSize + 2 * Margin;   // twips
    constexpr int TwipsPerPixel = 15;
    const int pixels = Extent / TwipsPerPixel * BlockPictureScale;
    QImage image(pixels, pixels, QImage::Format_RGB32);
    const int dotsPerMetre = static_cast<int>(ScreenDpi * BlockPictureScale / 0.0254);
    image.setDotsPerMeterX(dotsPerMetre);
    image.setDotsPerMeterY(dotsPerMetre);
    PainterCanvas canvas(image);
    canvas.Clear();
    canvas.SetScale(0, 0, Extent, Extent);
    DrawBlockPicture(canvas, catalogue, code, Margin, Margin, false);
    canvas.End();
    return image;
}

void AddBlockPictures(QTextDocument& doc) {
    Catalogue catalogue;
    BuildCatalogue(catalogue);
    for (int code = 0; code < FunctionCodeLast; ++code) {   // the last entry is never used
        const QUrl name = doc.baseUrl().resolved(QUrl(QStringLiteral("block-%1.png").arg(code)));
        doc.addResource(QTextDocument::ImageResource, name, BlockPicture(catalogue, code));
    }
}

/// Block pictures at a fixed size; figures at their own size, but never wider than most of the text.
void SizeImages(QTextDocument& doc, double textWidthPx) {
    for (QTextBlock block = doc.begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            if (!fragment.isValid() || !fragment.charFormat().isImageFormat()) continue;
            QTextImageFormat format = fragment.charFormat().toImageFormat();
            const QImage image = doc.resource(QTextDocument::ImageResource, QUrl(format.name())).value<QImage>();
            if (image.isNull()) {
                std::fprintf(stderr, "make_manual: missing picture %s\n", qPrintable(format.name()));
                std::exit(1);
            }
            // Graphs are drawn large for the screen; on paper 70 % of the text width will do.
            double width = std::min<double>(image.width(), FigureShare * textWidthPx);
            if (format.name().startsWith(QStringLiteral("block-"))) {
                width = BlockPictureInches * ScreenDpi;
            }
            format.setWidth(width);
            format.setHeight(width * image.height() / image.width());
            QTextCursor cursor(&doc);
            cursor.setPosition(fragment.position());
            cursor.setPosition(fragment.position() + fragment.length(), QTextCursor::KeepAnchor);
            cursor.setCharFormat(format);
        }
    }
}

/// Chapters (level 1 headings) after the first start on a new page; headings stand apart from
/// the text before them and stay with the text after them.
void SpaceHeadings(QTextDocument& doc) {
    bool first = true;
    for (QTextBlock block = doc.begin(); block.isValid(); block = block.next()) {
        const int level = block.blockFormat().headingLevel();
        if (level == 0) continue;
        QTextBlockFormat format = block.blockFormat();
        format.setTopMargin(level == 1 ? 0 : 16 - 2 * level);
        format.setBottomMargin(6);
        format.setNonBreakableLines(true);
        if (level == 1 && !first) format.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
        if (level == 1) first = false;
        QTextCursor(block).setBlockFormat(format);
    }
}

/// Tables with thin grey rules and some room in their cells.
void StyleTables(QTextDocument& doc) {
    for (QTextFrame* frame : doc.rootFrame()->childFrames()) {
        auto* table = qobject_cast<QTextTable*>(frame);
        if (!table) continue;
        QTextTableFormat format = table->format();
        format.setBorder(1);
        format.setBorderBrush(Qt::gray);
        format.setBorderCollapse(true);
        format.setCellSpacing(0);
        format.setCellPadding(3);
        table->setFormat(format);
    }
}

QString Title(const QTextDocument& doc) {
    for (QTextBlock block = doc.begin(); block.isValid(); block = block.next()) {
        if (block.blockFormat().headingLevel() == 1) return block.text();
    }
    return {};
}

/// The heading as the contents list shows it: its topic keys become plain numbers in brackets,
/// so that the words "Topic N" a help search looks for stay on the heading alone.
QString ContentsText(QString heading) {
    static const QRegularExpression topic(QStringLiteral("\\s*·?\\s*Topic (\\d+)"));
    QStringList keys;
    for (auto it = topic.globalMatch(heading); it.hasNext();) keys << it.next().captured(1);
    heading.remove(topic);
    heading = heading.trimmed();
    if (!keys.isEmpty()) heading += QStringLiteral(" (") + keys.join(QStringLiteral(", ")) + QLatin1Char(')');
    return heading;
}

struct ContentsLine {
    QTextBlock Heading;   ///< found in a copy of the document by its block number
    QTextBlock Entry;
};

/// Replaces the marker paragraph with one line per heading of levels 1 and 2 after it, each
/// ending in a right-aligned page number filled in by FillContents.
std::vector<ContentsLine> InsertContents(QTextDocument& doc, double textWidthPx) {
    std::vector<ContentsLine> lines;
    QTextBlock marker;
    for (QTextBlock block = doc.begin(); block.isValid(); block = block.next()) {
        if (block.text().trimmed() == ContentsPlaceholder) marker = block;
    }
    if (!marker.isValid()) return lines;
    std::vector<QTextBlock> headings;
    for (QTextBlock block = marker.next(); block.isValid(); block = block.next()) {
        const int level = block.blockFormat().headingLevel();
        if (level == 1 || level == 2) headings.push_back(block);
    }
    QTextCursor cursor(marker);
    cursor.select(QTextCursor::BlockUnderCursor);
    cursor.movePosition(QTextCursor::StartOfBlock);
    cursor.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
    cursor.removeSelectedText();
    const QTextOption::Tab pageColumn(textWidthPx - 24, QTextOption::RightTab);
    bool firstLine = true;
    for (const QTextBlock& heading : headings) {
        const bool chapter = heading.blockFormat().headingLevel() == 1;
        QTextBlockFormat format;
        format.setTopMargin(chapter ? 8 : 0);
        format.setTabPositions({pageColumn});
        QTextCharFormat text;
        text.setFontWeight(chapter ? QFont::Bold : QFont::Normal);
        if (firstLine) {
            cursor.setBlockFormat(format);
            cursor.setBlockCharFormat(text);
            firstLine = false;
        } else {
            cursor.insertBlock(format, text);
        }
        // Sections are indented by em spaces rather than a margin, so all page numbers align.
        const QString indent = chapter ? QString() : QStringLiteral("\u2003\u2003");
        cursor.insertText(indent + ContentsText(heading.text()) + QStringLiteral("\t000"), text);
        lines.push_back({heading, cursor.block()});
    }
    return lines;
}

/// A fresh copy of the document laid out in pages on the PDF: a document edited after its
/// layout may leave some paragraphs unlaid until an event loop runs, which this program has not.
std::unique_ptr<QTextDocument> LaidOut(const QTextDocument& doc, QPdfWriter& writer) {
    std::unique_ptr<QTextDocument> copy(doc.clone());
    copy->setBaseUrl(doc.baseUrl());
    AddBlockPictures(*copy);
    copy->setDefaultFont(doc.defaultFont());
    copy->documentLayout()->setPaintDevice(&writer);
    copy->setPageSize(doc.pageSize());
    copy->pageCount();   // lays out the whole document
    return copy;
}

/// A section heading too near the foot of a page to have its first lines below it starts the
/// next page instead. One heading at a time, since each break moves everything after it.
void KeepHeadingsWithText(QTextDocument& doc, QPdfWriter& writer) {
    constexpr double KeepInches = 1.6;   // a heading, a row of block pictures and a few lines
    const double keep = KeepInches * Resolution;
    for (int from = 0;;) {
        const auto laid = LaidOut(doc, writer);
        const double page = laid->pageSize().height();
        QTextBlock found;
        for (QTextBlock block = laid->findBlockByNumber(from); block.isValid(); block = block.next()) {
            const int level = block.blockFormat().headingLevel();
            if (level < 2) continue;
            const double top = laid->documentLayout()->blockBoundingRect(block).top();
            const double room = page - std::fmod(top, page);
            if (room < keep && std::fmod(top, page) > keep) {
                found = block;
                break;
            }
        }
        if (!found.isValid()) return;
        from = found.blockNumber() + 1;
        QTextBlock heading = doc.findBlockByNumber(found.blockNumber());
        QTextBlockFormat format = heading.blockFormat();
        format.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
        QTextCursor(heading).setBlockFormat(format);
    }
}

int PageOf(const QTextDocument& laid, int blockNumber) {
    const QTextBlock block = laid.findBlockByNumber(blockNumber);
    const QRectF box = laid.documentLayout()->blockBoundingRect(block);
    return static_cast<int>(box.top() / laid.pageSize().height()) + 1;
}

/// The page numbers of the contents, from the document laid out with three-digit placeholders.
void FillContents(const std::vector<ContentsLine>& lines, const QTextDocument& laid) {
    for (const ContentsLine& line : lines) {
        QTextCursor cursor(line.Entry);
        cursor.movePosition(QTextCursor::EndOfBlock);
        cursor.movePosition(QTextCursor::PreviousCharacter, QTextCursor::KeepAnchor, 3);
        cursor.insertText(QString::number(PageOf(laid, line.Heading.blockNumber())).rightJustified(3, QLatin1Char(' ')));
    }
}

void PaintPages(QTextDocument& doc, QPdfWriter& writer, const QString& title) {
    QPainter painter(&writer);
    const QRectF paper = writer.pageLayout().paintRectPixels(Resolution);
    const double pageHeight = doc.pageSize().height();
    const double margin = FooterPoints * Resolution / 72.0;
    const int pages = doc.pageCount();
    QFont small(doc.defaultFont());
    small.setPointSizeF(8);
    for (int page = 0; page < pages; ++page) {
        if (page > 0) writer.newPage();
        painter.save();
        painter.translate(0, margin);
        const QRectF region(0, page * pageHeight, doc.pageSize().width(), pageHeight);
        painter.translate(0, -region.top());
        painter.setClipRect(region);
        doc.drawContents(&painter, region);
        painter.restore();
        painter.setFont(small);
        painter.setPen(Qt::darkGray);
        painter.drawText(QRectF(0, 0, paper.width(), margin * 0.6), Qt::AlignRight | Qt::AlignTop, title);
        painter.drawText(QRectF(0, paper.height() - margin * 0.6, paper.width(), margin * 0.6),
                         Qt::AlignHCenter | Qt::AlignBottom, QString::number(page + 1));
    }
}

}  // namespace

int main(int argc, char* argv[]) {
    QGuiApplication app(argc, argv);
    if (argc != 4) {
        std::fprintf(stderr, "usage: make_manual SOURCE.md OUTPUT.pdf FIGURE_FOLDER\n");
        return 2;
    }
    QFile source(QString::fromLocal8Bit(argv[1]));
    if (!source.open(QIODevice::ReadOnly | QIODevice::Text)) {
        std::fprintf(stderr, "make_manual: cannot read %s\n", argv[1]);
        return 1;
    }
    QString markdown = QString::fromUtf8(source.readAll());
    markdown.replace(ContentsMarker, ContentsPlaceholder);

    QPdfWriter writer(QString::fromLocal8Bit(argv[2]));
    writer.setResolution(Resolution);
    writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                     QMarginsF(MarginMm, MarginMm, MarginMm, MarginMm), QPageLayout::Millimeter));
    const QRectF paper = writer.pageLayout().paintRectPixels(Resolution);
    const double reserved = 2 * FooterPoints * Resolution / 72.0;

    QTextDocument doc;
    QFont font(QStringLiteral("DejaVu Sans"), 10);
    // No ligatures, so that "ff" and "fi" stay letters a reader's search finds.
    font.setStyleStrategy(QFont::PreferNoShaping);
    doc.setDefaultFont(font);
    doc.setBaseUrl(QUrl::fromLocalFile(QFileInfo(QString::fromLocal8Bit(argv[3]) + QStringLiteral("/")).absoluteFilePath()));
    doc.setMarkdown(markdown, QTextDocument::MarkdownDialectGitHub);
    AddBlockPictures(doc);   // after the text, which clears the document's resources
    const QString title = Title(doc);
    doc.setPageSize(QSizeF(paper.width(), paper.height() - reserved));
    SizeImages(doc, paper.width() * ScreenDpi / Resolution);
    SpaceHeadings(doc);
    StyleTables(doc);
    const auto contents = InsertContents(doc, paper.width() * ScreenDpi / Resolution);
    KeepHeadingsWithText(doc, writer);
    FillContents(contents, *LaidOut(doc, writer));

    writer.setTitle(title);
    writer.setCreator(QStringLiteral("Quorvane"));
    PaintPages(*LaidOut(doc, writer), writer, title);
    return 0;
}
