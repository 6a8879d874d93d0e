// A fixture that sets a PageBuilder up over a fresh test library, with the
// vocabulary page tests share (the trail and the body of a page).
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "render/pages.h"
#include "settings/settings.h"
#include "support/test_library.h"

namespace mivrel::testing {

class PageTest : public ::testing::Test {
 protected:
  PageTest() : builder(library.Db(), settings) { builder.BuildPageTemplate(); }

  // The page after the head and the bar (the part pages differ in).
  std::string BodyOf(const std::string& page) const {
    const std::string bar_end = "</td></tr></table>";
    const size_t at = page.find(bar_end, builder.Template().head.size());
    return at == std::string::npos ? std::string() : page.substr(at + bar_end.size());
  }
  // The trail: between the head and the end of the bar.
  std::string TrailOf(const std::string& page) const {
    const size_t head = builder.Template().head.size();
    const size_t at = page.find("</td></tr></table>", head);
    return at == std::string::npos ? std::string() : page.substr(head, at - head);
  }

  TestLibrary library;
  Settings settings = DefaultSettings();
  PageBuilder builder;
};

}  // namespace mivrel::testing
