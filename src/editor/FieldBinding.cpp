#include "editor/FieldBinding.h"

#include <QLineEdit>
#include <QScopedValueRollback>
#include <algorithm>

#include "store/DataSource.h"
#include "store/FieldCodec.h"
#include "ui/CodepageValidator.h"
#include "ui/DisplayOrder.h"
#include "ui/EventGuard.h"

namespace editor {
namespace {

ui::BoxText TextOf(store::TextEncoding encoding) {
  switch (encoding) {
    case store::TextEncoding::Cp1251:
      return ui::BoxText::Russian;
    case store::TextEncoding::Cp1255:
      return ui::BoxText::Hebrew;
    case store::TextEncoding::Ascii:
      break;
  }
  return ui::BoxText::English;
}

}  // namespace

FieldBinding::FieldBinding(ui::Dialogs& dialogs, store::DataSource& source, std::string fieldName,
                           QLineEdit* edit, int maxLength, std::function<void()> edited)
    : dialogs_(dialogs),
      source_(source),
      fieldName_(std::move(fieldName)),
      edit_(edit),
      ordered_(qobject_cast<ui::DisplayOrderEdit*>(edit)),
      maxLength_(maxLength),
      edited_(std::move(edited)) {
  AllowLength(0);
  if (ordered_) {
    connect(ordered_, &ui::DisplayOrderEdit::TextChanged, this,
            ui::Guarded(dialogs_, [this](const QString& text) { Written(text); }));
  } else {
    connect(edit_, &QLineEdit::textChanged, this,
            ui::Guarded(dialogs_, [this](const QString& text) { Written(text); }));
  }
  if (store::Table* table = source_.DataSet()) {
    const store::TextEncoding encoding = table->FieldByName(fieldName_).Encoding();
    ui::TakeOnly(store::CodepageOf(encoding), TextOf(encoding), edit_, dialogs_);
  }
  connect(&source_, &store::DataSource::CurrentRecordChanged, this,
          ui::Guarded(dialogs_, [this] { Reload(); }));
  connect(&source_, &QAbstractItemModel::modelReset, this,
          ui::Guarded(dialogs_, [this] { Reload(); }));
  Reload();
}

QString FieldBinding::Text() const { return ordered_ ? ordered_->Text() : edit_->text(); }

void FieldBinding::Reload() {
  if (starting_) return;
  const QString value =
      source_.DataSet() && source_.DataSet()->Active() ? source_.FieldText(fieldName_) : QString();
  if (value != Text()) SetBoxText(value);
}

void FieldBinding::AllowLength(int textLength) {
  const int length = std::max(maxLength_, textLength);
  // Changing a box's limit puts its caret at the end, so it changes only when it must.
  if (length == allowedLength_) return;
  allowedLength_ = length;
  if (ordered_) {
    ordered_->SetMaxTextLength(length);
  } else {
    edit_->setMaxLength(length);
  }
}

void FieldBinding::SetBoxText(const QString& text) {
  loading_ = true;
  AllowLength(static_cast<int>(text.size()));
  if (ordered_) {
    const int caret = ordered_->CursorPos();
    ordered_->SetText(text);
    ordered_->SetCursorPos(std::min(caret, static_cast<int>(text.size())));
  } else {
    const int caret = edit_->cursorPosition();
    edit_->setText(text);
    edit_->setCursorPosition(std::min(caret, static_cast<int>(text.size())));
  }
  loading_ = false;
}

void FieldBinding::Written(const QString& text) {
  if (loading_) return;
  if (source_.FieldText(fieldName_) != text) {
    try {
      StartEdit();
      source_.SetFieldText(fieldName_, text);
    } catch (...) {
      Reload();
      throw;
    }
  }
  if (edited_) edited_();
}

void FieldBinding::StartEdit() {
  store::Table* table = source_.DataSet();
  if (table == nullptr || table->State() != store::TableState::Browse) return;
  const QScopedValueRollback<bool> starting(starting_, true);
  table->Edit();
}

}  // namespace editor
