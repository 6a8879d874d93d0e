// A library with a small category tree for the editor tests:
//   工具 (tools) > 文件 (files) > 底层 (low)      其他 (other)
#pragma once

#include <gtest/gtest.h>

#include "editors/choice_list.h"
#include "render/page_template.h"
#include "settings/settings.h"
#include "store/database.h"
#include "support/test_library.h"

namespace mivrel::testing {

class EditorsFixture : public ::testing::Test {
 protected:
  EditorsFixture()
      : page_template(BuildPageTemplate(DefaultSettings())),
        tools(lib.AddCategory("工具", 0, 1, 20)),
        files(lib.AddCategory("文件", tools, 2, 100)),
        low(lib.AddCategory("底层", files)),
        other(lib.AddCategory("其他", 0, 3, 10)) {}

  Database& db() { return lib.Db(); }

  // The text of the list's item with `data`; "" when there is none.
  static std::string TextOf(const ChoiceList& list, int data) {
    for (const ChoiceItem& item : list.items)
      if (item.data == data) return item.text;
    return std::string();
  }
  static std::string SelectedText(const ChoiceList& list) {
    return list.selected < 0 ? std::string() : list.items[static_cast<size_t>(list.selected)].text;
  }
  // Selects the item with `data`, as the user does.
  static void Choose(ChoiceList& list, int data) { ASSERT_TRUE(list.SelectData(data)); }

  TestLibrary lib;
  PageTemplate page_template;
  int tools;
  int files;
  int low;
  int other;
};

}  // namespace mivrel::testing
