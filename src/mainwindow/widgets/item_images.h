#pragma once
// The images of the item tree, drawn in code so there is no artwork to keep:
// fifteen progress images that visibly fill and the two priority marks, and
// the delegate that shows them in each row.

#include <QIcon>
#include <QStyledItemDelegate>

namespace ItemImages {

inline constexpr int kProgressImageCount = 15;
// Logical size of every item image.
inline constexpr int kImageSize = 16;

// Progress image 0 (nothing done) to 14 (complete); other indexes are clamped.
const QIcon& progressImage(int image);
// The priority mark of a state image: 2 high, 3 low; a null icon for any other index.
const QIcon& priorityMark(int stateImage);

} // namespace ItemImages

// Draws a row of the item tree: the priority mark, or blank space of the same
// width so that the rows line up, then the progress image and the caption.
// Reads the mark from OutlineModel::StateImageRole.
class OutlineDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    void updateEditorGeometry(QWidget* editor, const QStyleOptionViewItem& option,
                              const QModelIndex& index) const override;
};
