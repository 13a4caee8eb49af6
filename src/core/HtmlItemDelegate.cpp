#include "core/HtmlItemDelegate.h"

#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QPainter>
#include <QRegularExpression>
#include <QTextDocument>

namespace {

QString colourFor(const QString& name)
{
    static const QHash<QString, QString> colours{
        {"clgray", "#808080"},   {"clgrey", "#808080"},   {"clnavy", "#000080"},   {"clred", "#FF0000"},
        {"clblue", "#0000FF"},   {"clgreen", "#008000"},  {"clblack", "#000000"},  {"clwhite", "#FFFFFF"},
        {"clmaroon", "#800000"}, {"clolive", "#808000"},  {"clpurple", "#800080"}, {"clteal", "#008080"},
        {"clsilver", "#C0C0C0"}, {"cllime", "#00FF00"},   {"clyellow", "#FFFF00"}, {"clfuchsia", "#FF00FF"},
        {"claqua", "#00FFFF"},   {"cldkgray", "#808080"}, {"clltgray", "#C0C0C0"}};
    return colours.value(name.toLower(), name);
}

} // namespace

QString THtmlItemDelegate::ToRichText(const QString& caption)
{
    QString text = caption;
    if (text.startsWith(QLatin1String("<html>"), Qt::CaseInsensitive))
        text = text.mid(6);
    // Data inside the markup (names typed by the user) may hold "<" or "&": escape everything that is
    // not one of the tags the captions use.
    static const QRegularExpression tag(QStringLiteral("<(/?font[^>]*|br|/?b|/?i|/?u)>"),
                                        QRegularExpression::CaseInsensitiveOption);
    QString out;
    int last = 0;
    auto it = tag.globalMatch(text);
    while (it.hasNext()) {
        const auto m = it.next();
        out += text.mid(last, m.capturedStart() - last).toHtmlEscaped();
        QString t = m.captured(0);
        static const QRegularExpression colour(QStringLiteral("color\\s*=\\s*\"?(cl\\w+)\"?"),
                                               QRegularExpression::CaseInsensitiveOption);
        const auto c = colour.match(t);
        if (c.hasMatch())
            t.replace(c.capturedStart(), c.capturedLength(), "color=\"" + colourFor(c.captured(1)) + "\"");
        out += t;
        last = m.capturedEnd();
    }
    out += text.mid(last).toHtmlEscaped();
    return out;
}

QString THtmlItemDelegate::PlainText(const QString& caption)
{
    QTextDocument doc;
    doc.setHtml(ToRichText(caption));
    return doc.toPlainText();
}

void THtmlItemDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                              const QModelIndex& index) const
{
    QStyleOptionViewItem opt = option;
    initStyleOption(&opt, index);
    const QString caption = opt.text;
    if (!caption.startsWith(QLatin1String("<html>"), Qt::CaseInsensitive)) {
        QStyledItemDelegate::paint(painter, option, index);
        return;
    }
    opt.text.clear();
    const QWidget* widget = opt.widget;
    QStyle* style = widget ? widget->style() : QApplication::style();
    style->drawControl(QStyle::CE_ItemViewItem, &opt, painter, widget);

    QTextDocument doc;
    doc.setDefaultFont(opt.font);
    doc.setDocumentMargin(0);
    doc.setHtml(ToRichText(caption));
    const QRect textRect = style->subElementRect(QStyle::SE_ItemViewItemText, &opt, widget);
    painter->save();
    painter->translate(textRect.left() + 2,
                       textRect.top() + qMax(0, (textRect.height() - int(doc.size().height())) / 2));
    painter->setClipRect(QRect(0, 0, textRect.width(), textRect.height()));
    QAbstractTextDocumentLayout::PaintContext ctx;
    ctx.palette = opt.palette;
    if (opt.state & QStyle::State_Selected)
        ctx.palette.setColor(QPalette::Text, opt.palette.color(QPalette::HighlightedText));
    doc.documentLayout()->draw(painter, ctx);
    painter->restore();
}

QSize THtmlItemDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    QStyleOptionViewItem opt = option;
    initStyleOption(&opt, index);
    if (m_rowHeight > 0)
        return QSize(QStyledItemDelegate::sizeHint(option, index).width(), m_rowHeight);
    if (!opt.text.startsWith(QLatin1String("<html>"), Qt::CaseInsensitive))
        return QStyledItemDelegate::sizeHint(option, index);
    QTextDocument doc;
    doc.setDefaultFont(opt.font);
    doc.setDocumentMargin(0);
    doc.setHtml(ToRichText(opt.text));
    return QSize(int(doc.idealWidth()) + 8, int(doc.size().height()) + 4);
}
