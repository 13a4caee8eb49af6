#pragma once

#include <QStyledItemDelegate>

// Draws tree captions written as "<html>Name<br><font color=clGray>Company</font>", mapping the colour
// names clGray, clNavy, clRed ... to real colours. Every tree list of the program uses it.
class THtmlItemDelegate : public QStyledItemDelegate
{
    Q_OBJECT
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    QWidget* createEditor(QWidget*, const QStyleOptionViewItem&, const QModelIndex&) const override
    {
        return nullptr;
    }

    // The caption as Qt rich text: colour names replaced, the "<html>" prefix dropped, text escaped
    // where it is not markup.
    static QString ToRichText(const QString& caption);
    // The plain text of a caption (what a reader sees).
    static QString PlainText(const QString& caption);

    // A fixed height for every row (0: as tall as the caption needs).
    void setRowHeight(int height) { m_rowHeight = height; }

private:
    int m_rowHeight = 0;
};
