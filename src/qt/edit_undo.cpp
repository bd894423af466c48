#include "qt/edit_undo.h"

#include <QStringView>
#include <algorithm>
#include <utility>

namespace qtfront {

void EditUndo::noteReplacement(const QString& text, int from, int to, const QString& inserted) {
  if (to > from) {
    QStringView taken = QStringView(text).sliced(from, to - from);
    // Only a run of removals grows the removed text; after typing, a removal starts afresh.
    bool removing = insertedCount_ == 0 && !removed_.isEmpty();
    if (removing && from == position_) {
      removed_.append(taken);  // Delete again
    } else if (removing && to == position_) {
      removed_.prepend(taken);  // Backspace again
      position_ = from;
    } else {
      removed_ = taken.toString();
      position_ = from;
    }
    insertedCount_ = 0;
  }
  if (!inserted.isEmpty()) {
    // Typing goes on from either end of what was typed, or where the last removal was.
    bool continues =
        from == position_ || (insertedCount_ > 0 && from == position_ + insertedCount_);
    if (!continues) {
      removed_.clear();
      position_ = from;
      insertedCount_ = 0;
    }
    insertedCount_ += static_cast<int>(inserted.size());
  }
}

void EditUndo::clear() {
  position_ = insertedCount_ = 0;
  removed_.clear();
}

EditUndo::PutBack EditUndo::undo(QString& text) {
  // Every change of the text passes through here or clear(); should one ever slip past, the
  // record still reaches no further than the text does.
  position_ = static_cast<int>(std::clamp<qsizetype>(position_, 0, text.size()));
  insertedCount_ =
      static_cast<int>(std::clamp<qsizetype>(insertedCount_, 0, text.size() - position_));
  QString putBack = std::exchange(removed_, text.mid(position_, insertedCount_));
  text.replace(position_, insertedCount_, putBack);
  insertedCount_ = static_cast<int>(putBack.size());
  return {position_, position_ + insertedCount_};
}

}  // namespace qtfront
