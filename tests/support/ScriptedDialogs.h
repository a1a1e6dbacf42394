#pragma once

// A dialog seam for tests: records every message box and file dialog it is asked for and answers
// from scripts instead of showing anything. No test ever blocks on a modal window.
//
//   test::ScriptedDialogs dialogs;
//   dialogs.answers.push_back(ui::Answer::No);   // the next question is answered No
//   window.NDelClick();
//   EXPECT_EQ(dialogs.messages.at(0).text, "You really want to remove this word ?");

#include <QString>
#include <deque>
#include <vector>

#include "ui/Dialogs.h"

namespace test {

class ScriptedDialogs final : public ui::Dialogs {
 public:
  ui::Answer Show(const ui::MessageRequest& request) override;
  QString OpenFileName(const ui::FileRequest& request) override;
  QString SaveFileName(const ui::FileRequest& request) override;
  // Runs `render` once on a PDF printer writing into a temporary file, so print layouts are
  // exercised for real.
  void PrintPreview(const std::function<void(QPrinter&)>& render) override;

  // Answers given to the next message boxes, in order. When the queue is empty a box is answered
  // as if the user closed it: Ok for an OK box, Cancel for OK/Cancel, No for Yes/No and Yes-only.
  std::deque<ui::Answer> answers;
  // File names returned by the next open or save dialogs; an empty queue answers "" (cancelled).
  std::deque<QString> fileNames;

  // Everything asked so far.
  std::vector<ui::MessageRequest> messages;
  std::vector<ui::FileRequest> openRequests;
  std::vector<ui::FileRequest> saveRequests;
  int previews = 0;

  // The texts of the recorded message boxes of one kind.
  std::vector<QString> Texts(ui::BoxKind kind) const;
  // The texts of all recorded message boxes.
  std::vector<QString> Texts() const;
};

}  // namespace test
