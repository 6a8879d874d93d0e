#include <string>

#include "base/files.h"
#include "base/text.h"
#include "page_doubles.h"
#include "render/keyword_sets.h"

namespace mivrel::testing {
namespace {

using namespace std::string_literals;

class EntryPageTest : public PageTest {
 protected:
  // Categories with fixed ids: 5 below top-level 2.
  void AddCategoryWithId(int id, const std::string& name, int parent) {
    Statement st(library.Db(), "INSERT INTO [class] ([ID],[类别名],[父类别],[图标],[优先]) VALUES(?,?,?,0,100)");
    st.BindInt(1, id);
    st.BindText(2, GbToUtf8(name));
    st.BindInt(3, parent);
    ASSERT_EQ(st.Step(), kSqliteDone);
  }
  int AddText(const std::string& content, const std::string& brief = "") {
    EntrySpec e;
    e.name = "条目";
    e.brief = brief;
    e.content = content;
    return library.AddEntry(e);
  }
  int AddWeb(const std::string& html) {
    EntrySpec e;
    e.name = "网页";
    e.content = html;
    e.page_name = "3_page.htm";
    return library.AddEntry(e);
  }
  Page Build(int id, const std::string& anchor = "") { return builder.BuildEntryPage(id, "", anchor, highlight); }
  std::string Show(int id, const std::string& anchor = "") { return Build(id, anchor).bytes; }

  std::string highlight;  // the search text to mark
  std::string BodyOfEntry(int id) {
    const std::string page = Show(id);
    std::string body = BodyOf(page);
    const std::string& tail = builder.Template().tail;
    EXPECT_TRUE(EndsWith(body, tail));
    return body.substr(0, body.size() - tail.size());
  }
  void AddApiKeyword(const std::string& upper_name) {
    builder.MutableKeywords().MutableSet(KeywordKind::Api).push_back(upper_name);
    builder.MutableKeywords().SortAll();
  }
  static size_t Count(const std::string& text, const std::string& part) {
    size_t n = 0;
    for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++n;
    return n;
  }
};

TEST_F(EntryPageTest, TrailLinksEveryCategoryThenTheEscapedName) {
  AddCategoryWithId(2, "系统", 0);
  AddCategoryWithId(5, "文件", 2);
  EntrySpec e;
  e.name = "Read<File>";
  e.category = 5;
  const int id = library.AddEntry(e);
  const std::string page = Show(id);
  EXPECT_TRUE(StartsWith(page, builder.Template().head));
  EXPECT_EQ(TrailOf(page),
            "<a href=\".r.2\">系统</a>  &gt; <a href=\".r.5\">文件</a>  &gt; Read&lt;File&gt;");
  EXPECT_EQ(builder.CategoryPath(), "2\0005\000"s);
}

TEST_F(EntryPageTest, SecondaryLinesFollowTheTrail) {
  AddCategoryWithId(2, "系统", 0);
  AddCategoryWithId(5, "文件", 2);
  EntrySpec e;
  e.name = "甲";
  e.category = 2;
  e.category2 = -1;
  e.category3 = 5;
  const int none_and_five = library.AddEntry(e);
  EXPECT_EQ(TrailOf(Show(none_and_five)),
            "<a href=\".r.2\">系统</a>  &gt; 甲<br>次分类：&gt; <a href=\".r.2\">系统</a>  &gt; "
            "<a href=\".r.5\">文件</a>  &gt; ");
  // The tree follows the main category, not the secondary one built before it.
  EXPECT_EQ(builder.CategoryPath(), "2\000"s);

  e.category2 = 0;
  e.category3 = -1;
  const int top_level = library.AddEntry(e);
  EXPECT_EQ(TrailOf(Show(top_level)), "<a href=\".r.2\">系统</a>  &gt; 甲<br>次分类：&gt; ");

  e.category2 = -1;
  const int no_secondary = library.AddEntry(e);
  EXPECT_EQ(TrailOf(Show(no_secondary)), "<a href=\".r.2\">系统</a>  &gt; 甲");
}

TEST_F(EntryPageTest, PlainTextIsEscapedLineByLine) {
  EXPECT_EQ(BodyOfEntry(AddText("a  b\r\nc")), "<br>\r\na&nbsp;&nbsp;b<br>\r\nc");
  EXPECT_EQ(BodyOfEntry(AddText("x<y & \"z\"", "简")),
            "简<br>\r\nx&lt;y &amp; <span class=\"s5\">&quot;z&quot;</span>");
}

TEST_F(EntryPageTest, PlainTextIsColouredWithTheKeywordSets) {
  AddApiKeyword("GETTICKCOUNT");
  EXPECT_EQ(BodyOfEntry(AddText("x = GetTickCount")),
            "<br>\r\nx <span class=\"s2\">=</span> <a href=\"GetTickCount\"><span "
            "class=\"s6\">GetTickCount</span></a>");
}

TEST_F(EntryPageTest, WebImagesPointIntoThePageTempFolder) {
  TempFolder temp;
  builder.SetPageTempFolder(temp.Path());
  const int id = AddWeb("<p>图</p><img src=\"x.png\" border=\"0\" >");
  library.AddImage(id, "x.png", "PNG");
  const std::string body = BodyOfEntry(id);
  ASSERT_TRUE(StartsWith(temp.Path(), "/"));
  const std::string address = "file://" + temp.Path() + "x.png";  // "file:///tmp/..."
  EXPECT_NE(body.find("<img src=\"" + address + "\" border=\"0\" >"), std::string::npos) << body;
  EXPECT_EQ(body.find("file:////"), std::string::npos);
  std::string bytes;
  EXPECT_TRUE(ReadWholeFile(temp.Path() + "x.png", bytes));
  EXPECT_EQ(bytes, "PNG");
}

TEST_F(EntryPageTest, WebImageWithReducedNamePointsAtTheFileWritten) {
  TempFolder temp;
  ASSERT_TRUE(MakeDirectories(temp.Path() + "tk7/"));
  builder.SetPageTempFolder(temp.Path() + "tk7");
  const int id = AddWeb("<img src=\"../up.png\"><img src=\"http://host/y.png\">");
  library.AddImage(id, "../up.png", "PNG");
  const std::string body = BodyOfEntry(id);
  EXPECT_NE(body.find("<img src=\"file://" + temp.Path() + "tk7/up.png\">"), std::string::npos)
      << body;
  EXPECT_NE(body.find("<img src=\"http://host/y.png\">"), std::string::npos) << body;
  EXPECT_TRUE(PathExists(temp.Path() + "tk7/up.png"));
  EXPECT_FALSE(PathExists(temp.Path() + "up.png"));
}

TEST_F(EntryPageTest, WebQuotesSurviveColouringAndTextIsNotEscaped) {
  const int id = AddWeb("<b title=\"t\">a &quot;b&quot; &amp; c</b>");
  const std::string body = BodyOfEntry(id);
  EXPECT_EQ(body, "\r\n<b title=\"t\">a <span class=\"s5\">&quot;b&quot;</span> &amp; c</b>");
  EXPECT_EQ(Build(id).trace, "网页格式显示：网页");
}

TEST_F(EntryPageTest, EverySectionHeadingGetsADashedRule) {
  const std::string body = BodyOfEntry(AddText("【参数】一\r\n【参数】二\r\n【说明】三"));
  EXPECT_EQ(Count(body, "<hr class=\"hr0\" />【参数】"), 2u);
  EXPECT_EQ(Count(body, "<hr class=\"hr0\" />【说明】"), 1u);
  EXPECT_EQ(Count(body, "<hr"), 3u);
}

TEST_F(EntryPageTest, SearchHitsAreHighlighted) {
  AddApiKeyword("SLEEP");
  const int id = AddText("Sleep 1\r\nsleep");
  highlight = "Sleep";
  const std::string body = BodyOfEntry(id);
  EXPECT_NE(body.find("<span class=\"sB\">Sleep</span>"), std::string::npos) << body;
  EXPECT_EQ(body.find("href=\"Sleep\""), std::string::npos) << body;
  // Other case: not a hit, coloured as the keyword it is.
  EXPECT_NE(body.find("<a href=\"sleep\"><span class=\"s6\">sleep</span></a>"), std::string::npos);
  EXPECT_EQ(body.find('\x11'), std::string::npos);

  highlight.clear();
  EXPECT_EQ(BodyOfEntry(id).find("sB"), std::string::npos);
}

TEST_F(EntryPageTest, HighlightNeverSplitsAChineseCharacter) {
  // 丄 is 0x81 0x41: its second byte is "A".
  const int id = AddText("丄 A");
  highlight = "A";
  const std::string body = BodyOfEntry(id);
  EXPECT_EQ(body, "<br>\r\n丄 <span class=\"sB\">A</span>");
}

TEST_F(EntryPageTest, StoredMarkerBytesCannotPoseAsMarks) {
  const std::string body = BodyOfEntry(AddText("a\x10" "b\x11" "c"));
  EXPECT_EQ(body, "<br>\r\nabc");
}

TEST_F(EntryPageTest, AnchorBecomesThePageAddress) {
  const int id = AddText("x");
  EXPECT_EQ(Build(id, "abc").address, "about:blank#abc");
  EXPECT_EQ(Build(id).address, "");
}

TEST_F(EntryPageTest, FoundEntryCarriesItsIdNameStoredSizeAndTreePath) {
  AddCategoryWithId(2, "系统", 0);
  EntrySpec e;
  e.name = "甲";
  e.category = 2;
  e.content = std::string(1230, 'x') + "中文";  // 1230 + 6 bytes of UTF-8
  const int id = library.AddEntry(e);
  const Page page = Build(id);
  EXPECT_TRUE(page.found);
  EXPECT_EQ(page.kind, PageKind::Entry);
  EXPECT_EQ(page.id, id);
  EXPECT_EQ(page.title, "甲");
  EXPECT_EQ(page.stored_size, 1236u);
  EXPECT_EQ(page.tree_path, "2\000"s + std::to_string(id));
}

TEST_F(EntryPageTest, LookupByNameTakesApostrophes) {
  EntrySpec e;
  e.name = "it's";
  e.content = "found";
  library.AddEntry(e);
  EXPECT_NE(builder.BuildEntryPage(0, "it's", "", "").bytes.find("found"), std::string::npos);
}

TEST_F(EntryPageTest, MissingEntryShowsTheNotFoundPage) {
  const Page missing = builder.BuildEntryPage(0, "<无此>", "", "");
  EXPECT_EQ(TrailOf(missing.bytes), "&lt;无此&gt;");
  EXPECT_EQ(BodyOf(missing.bytes), "很抱歉，您要访问的内容不存在<br>请联系Osterk查证" + builder.Template().tail);
  EXPECT_FALSE(missing.found);
  EXPECT_EQ(missing.id, 0);
  EXPECT_EQ(missing.title, "");
  EXPECT_EQ(missing.stored_size, 0u);

  EXPECT_EQ(TrailOf(Show(4242)), "");
}

TEST_F(EntryPageTest, InvalidUtf8ContentStillGivesAPage) {
  Statement st(library.Db(), "INSERT INTO [fun] ([类别],[类别2],[类别3],[名字],[简介],[注解],[网页名]) "
                             "VALUES(0,-1,-1,?,?,?,'')");
  st.BindText(1, "\xff\xfe");
  st.BindText(2, "\xc3");
  st.BindText(3, "ok \x80\xbf end");
  ASSERT_EQ(st.Step(), kSqliteDone);
  const std::string body = BodyOfEntry(static_cast<int>(library.Db().LastInsertId()));
  EXPECT_NE(body.find("ok"), std::string::npos);
  EXPECT_NE(body.find("end"), std::string::npos);
}

TEST_F(EntryPageTest, TenMegabyteContentIsShownWhole) {
  std::string content;
  while (content.size() < 10u * 1024 * 1024) content += "Dim x = \"s\" ' 注释 【参数】 12\r\n";
  const int id = AddText(content);
  const std::string page = Show(id);
  EXPECT_GT(page.size(), content.size());
  EXPECT_TRUE(EndsWith(page, builder.Template().tail));
  EXPECT_EQ(Build(id).stored_size, GbToUtf8(content).size());
}

TEST_F(EntryPageTest, CategoryHoldingTextGivesAnEmptyTrail) {
  const int id = AddText("x");
  ASSERT_EQ(library.Db().Run("UPDATE [fun] SET [类别]='abc', [类别2]='x' WHERE [id]=" + std::to_string(id)),
            kSqliteOk);
  EXPECT_EQ(TrailOf(Show(id)), "条目<br>次分类：&gt; ");
}

}  // namespace
}  // namespace mivrel::testing
