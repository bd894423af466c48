// The one level of undo of an edit box, kept the way the system's edit control on Windows keeps
// it: where the last edit happened, how many characters it put in there, and the characters it
// took out. A run of typing, of Backspace or of Delete, and typing over a selection, count as one
// edit, so one undo takes the whole run back. An undo is an edit too: a second one redoes.
//
// Nothing but the characters taken out is copied, so typing into a box of many megabytes stays
// as fast as into a short one.
#pragma once

#include <QString>

namespace qtfront {

class EditUndo {
 public:
  // To be called just before `text` has its characters [from, to) replaced by `inserted`.
  void noteReplacement(const QString& text, int from, int to, const QString& inserted);
  bool canUndo() const { return insertedCount_ > 0 || !removed_.isEmpty(); }
  void clear();

  // The characters put back, as [from, to) of the text after the undo.
  struct PutBack {
    int from;
    int to;
  };
  // Takes the last edit back in `text` (the text as the edits left it); needs canUndo().
  PutBack undo(QString& text);

 private:
  int position_ = 0;
  int insertedCount_ = 0;
  QString removed_;
};

}  // namespace qtfront
