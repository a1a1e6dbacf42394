#include "EditorFixture.h"

#include <QApplication>
#include <QListWidget>
#include <QTest>

#include "ScriptedDialogs.h"
#include "ScriptedEngine.h"
#include "app/Find.h"

namespace editortest {

EditorFixture::EditorFixture() {
  QDir(folder_.Path()).mkdir(QStringLiteral("data"));
  dialogs_ = std::make_unique<test::ScriptedDialogs>();
  instances_.Dialogs = dialogs_.get();
}

EditorFixture::~EditorFixture() {
  instances_.FormAdd = nullptr;
  form_.reset();
  instances_.Share = nullptr;
  share_.reset();
  instances_.FormSelect = nullptr;
  formSelect_.reset();
  instances_.DataModul = nullptr;
  data_.reset();
}

void EditorFixture::SetUpWindows(bool withMainWindow) {
  if (withMainWindow) {
    formSelect_ = std::make_unique<TFormSelect>(instances_);
    instances_.FormSelect = formSelect_.get();
  }
  data_ = std::make_unique<TDataModul>(folder_.Path().toStdString());
  data_->DataModuleCreate();
  instances_.DataModul = data_.get();
  if (formSelect_) formSelect_->AttachData();
  speech::EngineSet engines{std::make_unique<speechtest::ScriptedEngine>(),
                            std::make_unique<speechtest::ScriptedEngine>(),
                            std::make_unique<speechtest::ScriptedEngine>()};
  share_ = std::make_unique<TShare>(instances_, std::move(engines));
  instances_.Share = share_.get();
  form_ = std::make_unique<TFormAdd>(instances_);
  instances_.FormAdd = form_.get();
}

editor::WordTables EditorFixture::Tables() {
  return {data_->RUTable(), data_->HETable(), data_->ENTable(), data_->GLTABLE(),
          data_->NekudotTable()};
}

std::string EditorFixture::Text(store::Table& table, const char* field) {
  return table.FieldByName(field).AsString();
}

void EditorFixture::SetMask(const std::string& mask) {
  for (int form = 0; form < share_->CheckListBoxHE->count(); ++form) {
    const bool shown = form < static_cast<int>(mask.size()) && mask[form] == '1';
    share_->CheckListBoxHE->item(form)->setCheckState(shown ? Qt::Checked : Qt::Unchecked);
  }
  share_->BtOkClick();
  ASSERT_EQ(share_->VerbFormMask().substr(0, mask.size()), mask);
}

void EditorFixture::SetUpNewVerb() {
  SetUpWindows(false);
  editor::WordTables tables = Tables();
  editor::CreateMeaning(tables, editor::Page::Hebrew, "");
  editor::WordCodes codes;
  codes.part = editor::kPartVerb;
  form_->SetCodes(codes);
}

void EditorFixture::ShowEditor() {
  form_->show();
  form_->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(form_.get()));
}

void EditorFixture::Focus(QWidget* widget) {
  widget->setFocus(Qt::OtherFocusReason);
  QApplication::processEvents();
  ASSERT_TRUE(widget->hasFocus()) << widget->objectName().toStdString();
}

void EditorFixture::TypeText(QWidget* widget, const QString& text) {
  for (QChar character : text) {
    QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(character), Qt::NoModifier);
  }
}

}  // namespace editortest
