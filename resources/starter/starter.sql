-- The starter library: what a new user sees first.  Run once into a library
-- that has the three tables and no rows.
--
-- Writing rules for this file:
-- * Text is UTF-8; lines end with LF here and are turned into CR LF at the end
--   of the file, because entry pages break lines at CR LF.
-- * Apostrophes inside SQL strings are doubled ('' is one ').  In the code of
--   entries an apostrophe starts a BASIC comment, so C samples avoid character
--   literals, and double quotes come in pairs on one line.
-- * Category names and briefs are put into pages as they are: no <, > or &.
-- * Names of entries whose keyword kind (关键词) is 1 to 4 are coloured and
--   linked wherever they appear in code: 1 API, 2 类型, 3 常数, 4 语句.
-- * Entry icons: 0 note, 1 web page, 2 function, 3 type, 4 constant, 5 statement.

-- [class]: ID, 类别名, 父类别, 图标, 优先
INSERT INTO [class] VALUES(1, '使用指南', 0, 0, 10);
INSERT INTO [class] VALUES(2, 'C 标准库', 0, 1, 20);
INSERT INTO [class] VALUES(3, '字符串与内存', 2, 2, 10);
INSERT INTO [class] VALUES(4, '标准输入输出', 2, 2, 20);
INSERT INTO [class] VALUES(5, '文件流', 4, 3, 10);
INSERT INTO [class] VALUES(6, '格式化输入输出', 4, 3, 20);
INSERT INTO [class] VALUES(7, '内存分配与通用工具', 2, 2, 30);
INSERT INTO [class] VALUES(8, '字符分类', 2, 2, 40);
INSERT INTO [class] VALUES(9, '数学函数', 2, 2, 50);
INSERT INTO [class] VALUES(10, '时间与日期', 2, 2, 60);
INSERT INTO [class] VALUES(11, 'POSIX 系统接口', 0, 1, 30);
INSERT INTO [class] VALUES(12, '文件描述符', 11, 2, 10);
INSERT INTO [class] VALUES(13, '进程与信号', 11, 2, 20);
INSERT INTO [class] VALUES(14, '线程', 11, 2, 30);
INSERT INTO [class] VALUES(15, '网络套接字', 11, 2, 40);
INSERT INTO [class] VALUES(16, 'Win32 API', 0, 1, 40);
INSERT INTO [class] VALUES(17, '系统信息与计时', 16, 2, 10);
INSERT INTO [class] VALUES(18, '窗口与消息', 16, 2, 20);
INSERT INTO [class] VALUES(19, '文件与模块', 16, 2, 30);
INSERT INTO [class] VALUES(20, '语言语句', 0, 4, 50);
INSERT INTO [class] VALUES(21, 'BASIC 声明与定义', 20, 5, 10);
INSERT INTO [class] VALUES(22, 'BASIC 流程控制', 20, 5, 20);
INSERT INTO [class] VALUES(23, 'C 预处理与类型定义', 20, 5, 30);
INSERT INTO [class] VALUES(24, '数据类型', 0, 6, 60);
INSERT INTO [class] VALUES(25, 'C 语言类型', 24, 7, 10);
INSERT INTO [class] VALUES(26, 'BASIC 类型', 24, 7, 20);
INSERT INTO [class] VALUES(27, 'Win32 类型', 24, 7, 30);
INSERT INTO [class] VALUES(28, '常数', 0, 8, 70);
INSERT INTO [class] VALUES(29, 'C 标准库常数', 28, 9, 10);
INSERT INTO [class] VALUES(30, 'POSIX 常数', 28, 9, 20);
INSERT INTO [class] VALUES(31, 'Win32 常数', 28, 9, 30);
INSERT INTO [class] VALUES(32, '消息框常数', 31, 9, 10);
INSERT INTO [class] VALUES(33, 'BASIC 常数', 28, 9, 40);
INSERT INTO [class] VALUES(34, '代码笔记', 0, 10, 80);

-- [fun]: id, 类别, 类别2, 类别3, 名字, 简介, 注解, 图标, 优先, 关键词, 网页名

---------------------------------------------------------------- 使用指南
INSERT INTO [fun] VALUES(1, 0, -1, -1, '欢迎使用 OsterkMivrel',
'第一次打开请先读这一篇：怎样浏览、查找和增补资料',
'【目的】
OsterkMivrel 是写给程序员的桌面资料库：API 函数、数据类型、常数、语句和你自己的代码笔记，都放在程序目录下的一个本地数据库里，随查随用，随时增补。
这个入门资料库收录了 C 标准库、POSIX 系统接口、Win32 API（BASIC 声明写法）和 BASIC 语句中最常用的一部分，可以直接拿来查，也可以删改成你自己的资料库。

【说明】
窗口左边有三个标签页：
    目录：按分类浏览全部资料。点分类显示它的子分类和资料列表，点资料显示正文。
    索引：输入名字的开头几个字母（例如 str），稍停片刻就列出所有以它开头的资料，并打开第一条。
    查找：在名字、简介和正文中查找一段文字；查找页开着时，正文里找到的地方会突出显示。
右边是资料页。正文中的代码会自动上色：关键词变成链接，注释、字符串和数字各有颜色。例如下面这一行：
Declare Function GetTickCount Lib "kernel32" () As Long
点一下其中的 GetTickCount，就会在索引中查到它的资料。

【说明】
工具栏上的“分类”和“资料”新建分类和资料，“编辑”修改当前显示的页面，“删”删除当前的分类或资料（默认先放进回收站），“导出”“导入”用标记文本交换资料，“选项”设置颜色、字体和备份。修改之前程序会自动备份数据库，备份可以在选项中恢复。

【相关】
资料页的分段标题见“分段标题的用法”；代码上色的规则见“代码上色规则”；自己写资料的要点见“编写自己的资料”。', 0, 1, 0, '');

INSERT INTO [fun] VALUES(2, 1, 0, -1, '资料库的结构',
'分类、资料和图片三张表怎样组成一个资料库（网页格式，带插图）',
'<h3>资料库的结构</h3>
<p>整个资料库是程序目录下的一个 SQLite 数据库文件 <b>资料数据.sdb</b>，里面只有三张表：</p>
<p><img src="diagram.png" alt="分类、资料与图片的关系"></p>
<ul>
<li><b>class</b>（分类）：每行一个分类，靠“父类别”连成一棵树；父类别为 0 的分类直接挂在主页下。</li>
<li><b>fun</b>（资料）：每行一条资料，归在一个主分类下，另外还可以挂到两个次分类中；主分类为 0 的资料直接列在主页上。</li>
<li><b>img</b>（图片）：网页格式资料里用到的图片，按“资料ID”属于某一条资料。显示资料时，图片写到临时目录，正文中的 &lt;img&gt; 就指向那里。</li>
</ul>
<p>同一条资料可以同时出现在几个分类里：比如这一篇的主分类是“使用指南”，次分类是主页，所以主页上也能看到它。</p>
<h3>两种正文格式</h3>
<p><b>文本格式</b>：正文是普通文字和代码，显示时自动转成网页并给代码上色，绝大多数资料都是这种格式。</p>
<p><b>网页格式</b>：资料带有网页名（比如本篇的 guide.htm），正文本身就是一段 HTML，原样显示。其他网页可以用网页名链接过来，例如 <a href="colouring.htm">代码上色规则</a>。</p>
<h3>备份</h3>
<p>程序在删除和覆盖资料之前会自动把数据库复制成 资料数据1.bak 到 资料数据11.bak 轮流保存；需要找回旧内容时，可以在选项的备份列表中恢复其中任何一份。</p>', 1, 10, 0, 'guide.htm');

INSERT INTO [fun] VALUES(3, 1, -1, -1, '代码上色规则',
'关键词、注释、字符串和数字是怎样上色的（网页格式）',
'<h3>代码上色规则</h3>
<p>显示资料时，程序逐字扫描正文，按下面的规则给代码上色。颜色可以在“选项”中修改。</p>
<table border="1" cellpadding="4" cellspacing="0">
<tr><th>内容</th><th>怎样识别</th><th>例子</th></tr>
<tr><td>语句</td><td>关键词种类为“语句”的资料名</td><td>Dim If For Declare</td></tr>
<tr><td>API 函数</td><td>关键词种类为“API”的资料名</td><td>strlen MessageBox</td></tr>
<tr><td>类型</td><td>关键词种类为“类型”的资料名</td><td>Long size_t HANDLE</td></tr>
<tr><td>常数</td><td>关键词种类为“常数”的资料名</td><td>EOF MAX_PATH True</td></tr>
<tr><td>注释</td><td>从单引号或注释语句开始，到行尾结束</td><td>x = 1 '' 注释</td></tr>
<tr><td>字符串</td><td>一对双引号之间的文字</td><td>&quot;kernel32&quot;</td></tr>
<tr><td>数字</td><td>只由数字和小数点组成的词</td><td>3.14 260</td></tr>
<tr><td>运算符号</td><td>= * + - / ^ ( ) 等符号（可在选项中关闭）</td><td>a + (b * 2)</td></tr>
</table>
<p>关键词不分大小写：资料名叫 Dim，代码中写 dim 或 DIM 同样会上色。上色的关键词同时是链接，点击后在索引中查找同名资料。</p>
<p>所以，要让自己代码中的某个词上色，只要新建一条以它为名字的资料，把“关键词”设为相应的种类即可；关键词表在程序启动时读入，新加的关键词下次启动后生效。</p>
<p>另见：<a href="guide.htm">资料库的结构</a>。</p>', 1, 20, 0, 'colouring.htm');

INSERT INTO [fun] VALUES(4, 1, -1, -1, '分段标题的用法',
'资料正文中九个分段标题的含义，显示时每个标题前都有一条虚线',
'正文里出现下面这些带方头括号的标题时，资料页会在标题前画一条虚线，把正文分成几段，方便浏览。它们都是可选的，按需要使用即可。

【目的】
这条资料讲什么、解决什么问题。常用于语句和笔记。
【语法】
函数原型或语句的写法，C 函数一般连同所需的头文件一起写出。
【VB声名】
在 BASIC 中调用 Win32 API 所用的 Declare 声明，可以直接复制到代码中。
【参数】
逐个说明参数的含义、单位和取值。
【返回值】
成功和失败时分别返回什么，失败时怎样取得错误原因。
【说明】
用法的细节、注意事项和背景知识。
【示例】
一小段能直接运行的代码。
【限制】
容易出错的地方、可移植性问题、安全隐患。
【相关】
相关的函数、类型和常数，名字上色后可以直接点击跳转。', 0, 30, 0, '');

INSERT INTO [fun] VALUES(5, 1, -1, -1, '编写自己的资料',
'新建资料时各项内容怎么填，怎样让自己的关键词上色',
'【目的】
入门资料库只是起点。把常查的函数、项目里的约定、踩过的坑随手记下来，资料库才真正好用。

【说明】
新建资料：在目录中选中要放入的分类，点工具栏上的“资料”。各项的含义：
    名字：函数名、类型名、语句名，或者笔记的标题。索引按名字的开头查找。
    简介：一句话说明，显示在分类页的资料列表中。
    分类：主分类决定资料在目录中的位置；两个次分类可以让它同时出现在别的分类里，不用时选“不使用次分类”。
    关键词：无、API、类型、常数、语句。选了后面四种之一，这个名字出现在任何资料的代码中都会上色并成为链接。
    优先：排序用的数字，0 到 255，越小越靠前；相同时按名字排序。
    网页名：留空表示文本格式；填上以 .htm 结尾的名字（如 mynote.htm）表示正文是 HTML，别的网页可以用这个名字链接过来。

【示例】
一条 API 资料通常这样写（这里的单引号开始一行注释）：
Declare Function GetTickCount Lib "kernel32" () As Long
Dim t As Long
t = GetTickCount()          '' 开机以来的毫秒数

【限制】
文本格式的正文里，双引号要成对出现在同一行，否则后面的文字都会被当成字符串上色；连续两个空格后面紧跟的词不会上色，缩进的代码行首个词因此保持原色。', 0, 40, 0, '');

---------------------------------------------------------------- C 标准库：字符串与内存
INSERT INTO [fun] VALUES(10, 3, -1, -1, 'strlen',
'求字符串的长度，不含结尾的空字符',
'【语法】
#include <string.h>
size_t strlen(const char *s);

【参数】
s：以空字符结尾的字符串。

【返回值】
s 中空字符之前的字节数。

【说明】
strlen 从头数到第一个值为 0 的字节为止，耗时与长度成正比；在循环条件里反复调用它会让循环变成平方级，应先把长度存进变量。
返回的是字节数而不是字符数：UTF-8 编码的“中文”两个汉字，strlen 得 6。

【示例】
const char *name = "kernel32";
size_t n = strlen(name);           /* n 为 8 */
char *copy = malloc(n + 1);        /* 加 1 给结尾的空字符 */

【限制】
s 必须以空字符结尾，否则会一直读到越界。s 为 NULL 时行为未定义。

【相关】
strncpy memcpy size_t', 2, 100, 1, '');

INSERT INTO [fun] VALUES(11, 3, -1, -1, 'strcpy',
'把一个字符串连同结尾的空字符复制到另一块内存',
'【语法】
#include <string.h>
char *strcpy(char *dest, const char *src);

【参数】
dest：目标缓冲区，至少要有 strlen(src) + 1 个字节。
src：源字符串。

【返回值】
dest。

【说明】
复制到并包括 src 的空字符为止。dest 与 src 的内存不能重叠。

【限制】
strcpy 不知道 dest 有多大，src 过长就会写出缓冲区，这是最常见的缓冲区溢出来源之一。长度不确定时改用 snprintf，或者先用 strlen 检查再用 memcpy。

【示例】
char buf[16];
if (strlen(src) < sizeof buf)
    strcpy(buf, src);

【相关】
strncpy strcat memcpy snprintf', 2, 100, 1, '');

INSERT INTO [fun] VALUES(12, 3, -1, -1, 'strncpy',
'最多复制 n 个字节的字符串，不足时补空字符',
'【语法】
#include <string.h>
char *strncpy(char *dest, const char *src, size_t n);

【参数】
dest：目标缓冲区，至少 n 个字节。
src：源字符串。
n：最多写入 dest 的字节数。

【返回值】
dest。

【说明】
src 比 n 短时，复制完后用空字符把 dest 填满到 n 个字节；src 不短于 n 时只复制 n 个字节，dest 不会以空字符结尾。
strncpy 本来是为固定宽度的记录字段设计的，并不是“安全版的 strcpy”。

【示例】
char buf[8];
strncpy(buf, src, sizeof buf - 1);
buf[sizeof buf - 1] = 0;           /* 必须自己补上结尾 */

【限制】
忘记补结尾的空字符是常见错误；n 很大时每次都要填满整块缓冲区，浪费时间。只是想安全地复制一个字符串，用 snprintf(buf, sizeof buf, "%s", src) 更简单。

【相关】
strcpy snprintf memset', 2, 100, 1, '');

INSERT INTO [fun] VALUES(13, 3, -1, -1, 'strcat',
'把一个字符串接到另一个字符串的末尾',
'【语法】
#include <string.h>
char *strcat(char *dest, const char *src);

【参数】
dest：已有内容的字符串，缓冲区要容得下两段之和再加 1。
src：要接上的字符串。

【返回值】
dest。

【说明】
strcat 先从头找到 dest 的结尾，再复制 src。在循环里不断追加时，每次都要重新数一遍 dest，字符串长了就很慢；这种情况记住当前结尾的位置，直接 memcpy 到那里。

【限制】
与 strcpy 一样不检查目标缓冲区的大小。

【相关】
strcpy strlen snprintf', 2, 100, 1, '');

INSERT INTO [fun] VALUES(14, 3, -1, -1, 'strcmp',
'按字节比较两个字符串',
'【语法】
#include <string.h>
int strcmp(const char *s1, const char *s2);

【返回值】
s1 小于、等于、大于 s2 时，分别返回负数、0、正数。只能判断正负，不要假定是 -1 或 1。

【说明】
逐字节按 unsigned char 比较，遇到第一个不同的字节或空字符为止。这是字节顺序，不是字典顺序：大写字母排在小写字母前面，汉字按编码排序。
判断相等要写 strcmp(a, b) == 0，不能写成 if (strcmp(a, b))。

【示例】
if (strcmp(argv[1], "--help") == 0)
    print_usage();

【相关】
strncmp memcmp qsort', 2, 100, 1, '');

INSERT INTO [fun] VALUES(15, 3, -1, -1, 'strncmp',
'比较两个字符串的前 n 个字节',
'【语法】
#include <string.h>
int strncmp(const char *s1, const char *s2, size_t n);

【返回值】
与 strcmp 相同：负数、0 或正数。n 为 0 时返回 0。

【说明】
最多比较 n 个字节，遇到空字符提前结束。常用来判断前缀：

【示例】
if (strncmp(line, "GET ", 4) == 0)
    handle_get(line + 4);

【相关】
strcmp memcmp', 2, 100, 1, '');

INSERT INTO [fun] VALUES(16, 3, -1, -1, 'strchr',
'在字符串中查找某个字节第一次出现的位置',
'【语法】
#include <string.h>
char *strchr(const char *s, int c);

【参数】
s：要查找的字符串。
c：要找的字节值，会先转成 char。

【返回值】
指向第一次出现位置的指针；找不到返回 NULL。c 为 0 时返回指向结尾空字符的指针。

【说明】
从后往前找用 strrchr，例如取文件扩展名：

【示例】
const char *dot = strrchr(path, 46);   /* 46 是小数点的 ASCII 码 */
const char *ext = dot ? dot + 1 : "";

【限制】
只能查单个字节，查多字节的汉字要用 strstr。

【相关】
strstr strtok', 2, 100, 1, '');

INSERT INTO [fun] VALUES(17, 3, -1, -1, 'strstr',
'在字符串中查找子串第一次出现的位置',
'【语法】
#include <string.h>
char *strstr(const char *haystack, const char *needle);

【返回值】
指向 haystack 中第一次出现 needle 的位置；找不到返回 NULL。needle 为空串时返回 haystack。

【说明】
区分大小写，按字节匹配，所以也能查找任何编码的汉字，只要两边编码相同。

【示例】
if (strstr(header, "Content-Length:") != NULL)
    has_length = 1;

【相关】
strchr strncmp', 2, 100, 1, '');

INSERT INTO [fun] VALUES(18, 3, -1, -1, 'strtok',
'把字符串按分隔符切成一段一段（会修改原字符串）',
'【语法】
#include <string.h>
char *strtok(char *str, const char *delim);

【参数】
str：第一次调用传要切分的字符串，以后传 NULL 继续切同一个字符串。
delim：分隔符集合，其中任何一个字节都算分隔符。

【返回值】
下一段的指针；没有更多内容时返回 NULL。

【说明】
strtok 把找到的分隔符改写成空字符，所以 str 必须可写，不能传字符串常量。连续的分隔符算作一个，因此切不出空字段。

【示例】
char line[] = "red,green,,blue";
for (char *p = strtok(line, ","); p != NULL; p = strtok(NULL, ","))
    puts(p);                       /* red green blue，空字段被跳过 */

【限制】
strtok 用一个隐藏的静态变量记住切到哪里，不能同时切两个字符串，也不能在多线程中使用；POSIX 提供可重入的 strtok_r。

【相关】
strchr strstr', 2, 100, 1, '');

INSERT INTO [fun] VALUES(19, 3, -1, -1, 'memcpy',
'复制 n 个字节，源和目标不能重叠',
'【语法】
#include <string.h>
void *memcpy(void *dest, const void *src, size_t n);

【返回值】
dest。

【说明】
按字节原样复制，不关心内容，也不在空字符处停下，适合复制结构体、数组和已知长度的数据。编译器通常会把它优化成很快的指令序列。

【示例】
struct point a = {1, 2}, b;
memcpy(&b, &a, sizeof b);

【限制】
两块内存重叠时行为未定义，例如在同一个数组内移动元素，这时必须用 memmove。

【相关】
memmove memset strcpy', 2, 100, 1, '');

INSERT INTO [fun] VALUES(20, 3, -1, -1, 'memmove',
'复制 n 个字节，允许源和目标重叠',
'【语法】
#include <string.h>
void *memmove(void *dest, const void *src, size_t n);

【返回值】
dest。

【说明】
结果就像先把 src 复制到一块临时内存，再复制到 dest，所以重叠时也正确。

【示例】
/* 删除数组 a 中下标为 i 的元素，后面的元素前移一位 */
memmove(&a[i], &a[i + 1], (count - i - 1) * sizeof a[0]);
count--;

【相关】
memcpy', 2, 100, 1, '');

INSERT INTO [fun] VALUES(21, 3, -1, -1, 'memset',
'把一块内存的每个字节都设成同一个值',
'【语法】
#include <string.h>
void *memset(void *s, int c, size_t n);

【参数】
s：内存起始地址。
c：要填的值，只取低 8 位。
n：字节数。

【返回值】
s。

【说明】
最常见的用法是清零：memset(&st, 0, sizeof st)。

【限制】
它按字节填充，memset(a, 1, sizeof a) 不会把 int 数组的元素设成 1，而是设成 0x01010101。
清除密码等敏感数据时，编译器可能认为之后不再使用而把 memset 优化掉，应使用 explicit_bzero 或 memset_s。

【相关】
memcpy calloc', 2, 100, 1, '');

INSERT INTO [fun] VALUES(22, 3, -1, -1, 'memcmp',
'按字节比较两块内存的前 n 个字节',
'【语法】
#include <string.h>
int memcmp(const void *s1, const void *s2, size_t n);

【返回值】
负数、0 或正数，含义同 strcmp。

【说明】
不在空字符处停下，适合比较二进制数据。

【限制】
不要用 memcmp 比较结构体是否相等：成员之间的填充字节内容不确定，两个成员值都相同的结构体也可能比较出不相等。

【相关】
strcmp memcpy', 2, 100, 1, '');

---------------------------------------------------------------- C 标准库：标准输入输出
INSERT INTO [fun] VALUES(30, 4, -1, -1, 'perror',
'把 errno 对应的错误说明打印到标准错误',
'【语法】
#include <stdio.h>
void perror(const char *s);

【参数】
s：加在说明前面的文字，通常是出错的操作或文件名；为 NULL 或空串时只打印说明。

【说明】
输出形如“s: 错误说明”再加换行，写到 stderr。错误说明由当前的 errno 决定，所以要在出错后立刻调用，中间再调用别的库函数可能会改掉 errno。
想把说明放进自己的消息里，用 strerror(errno)。

【示例】
FILE *fp = fopen(path, "rb");
if (fp == NULL) {
    perror(path);                  /* 例如：data.bin: No such file or directory */
    return EXIT_FAILURE;
}

【相关】
fopen fprintf EXIT_FAILURE', 2, 100, 1, '');

INSERT INTO [fun] VALUES(31, 4, -1, -1, 'getchar',
'从标准输入读一个字节',
'【语法】
#include <stdio.h>
int getchar(void);

【返回值】
读到的字节（按 unsigned char 转成 int，0 到 255）；到达文件结尾或出错时返回 EOF。

【说明】
等同于 getc(stdin)。返回类型是 int 而不是 char，正是为了能区分 EOF 和值为 255 的字节。

【示例】
int c;
long lines = 0;
while ((c = getchar()) != EOF)
    if (c == 10)                   /* 换行符 */
        lines++;

【限制】
把返回值存进 char 变量再和 EOF 比较是经典错误：char 为无符号时循环永远不结束，为有符号时遇到 0xFF 字节会提前结束。

【相关】
EOF fgets', 2, 100, 1, '');

---------------------------------------------------------------- 文件流
INSERT INTO [fun] VALUES(32, 5, -1, -1, 'fopen',
'打开文件，得到一个文件流',
'【语法】
#include <stdio.h>
FILE *fopen(const char *path, const char *mode);

【参数】
path：文件名。
mode：打开方式：
    "r"  只读，文件必须存在
    "w"  只写，文件不存在就创建，存在就清空
    "a"  追加，写入总是加在文件末尾
    "r+" 读写，文件必须存在
    "w+" 读写，创建或清空
加上 b（如 "rb"、"wb"）表示二进制方式。C11 还允许 "wx"：文件已存在时打开失败，不会覆盖。

【返回值】
成功返回 FILE 指针，失败返回 NULL 并设置 errno。

【说明】
在 Windows 上，文本方式会在读写时转换换行符 CR LF 和 LF，读二进制文件必须用 b；在 POSIX 系统上两者没有区别，但写上 b 不会有害，代码也更好移植。

【示例】
FILE *fp = fopen("config.ini", "r");
if (fp == NULL) {
    perror("config.ini");
    return -1;
}
/* ……读取…… */
fclose(fp);

【相关】
fclose fread fgets perror FILE', 2, 100, 1, '');

INSERT INTO [fun] VALUES(33, 5, -1, -1, 'fclose',
'关闭文件流，写出缓冲区中尚未写入的数据',
'【语法】
#include <stdio.h>
int fclose(FILE *stream);

【返回值】
成功返回 0，失败返回 EOF。

【说明】
写入的数据先放在缓冲区里，fclose 时才真正交给系统，所以磁盘满之类的写入错误常常到这时才出现。写文件时要检查 fclose 的返回值，否则可能在不知情的情况下丢失数据。
无论成功与否，调用之后这个 FILE 指针都不能再用。

【示例】
if (fclose(fp) != 0)
    perror("保存失败");

【相关】
fopen fwrite', 2, 100, 1, '');

INSERT INTO [fun] VALUES(34, 5, -1, -1, 'fread',
'从文件流读取若干个固定大小的数据块',
'【语法】
#include <stdio.h>
size_t fread(void *ptr, size_t size, size_t nmemb, FILE *stream);

【参数】
ptr：存放数据的缓冲区，至少 size * nmemb 个字节。
size：每块的字节数。
nmemb：要读的块数。

【返回值】
实际读到的完整块数。小于 nmemb 时，用 feof 和 ferror 区分是到了文件结尾还是出了错。

【说明】
读字节数据时把 size 设为 1、nmemb 设为字节数，返回值就是读到的字节数，最容易处理。

【示例】
unsigned char buf[4096];
size_t got;
while ((got = fread(buf, 1, sizeof buf, fp)) > 0)
    process(buf, got);
if (ferror(fp))
    perror("读取失败");

【相关】
fwrite fopen fseek', 2, 100, 1, '');

INSERT INTO [fun] VALUES(35, 5, -1, -1, 'fwrite',
'向文件流写入若干个固定大小的数据块',
'【语法】
#include <stdio.h>
size_t fwrite(const void *ptr, size_t size, size_t nmemb, FILE *stream);

【返回值】
实际写入的完整块数，小于 nmemb 表示出错。

【说明】
直接把内存中的结构体写进文件虽然方便，但文件格式就依赖于编译器的对齐方式和机器的字节序，换了平台可能读不回来。需要交换的文件最好逐个字段按固定字节序写出。

【示例】
if (fwrite(data, 1, len, fp) != len)
    perror("写入失败");

【相关】
fread fclose', 2, 100, 1, '');

INSERT INTO [fun] VALUES(36, 5, -1, -1, 'fgets',
'从文件流读一行（最多 n-1 个字节）',
'【语法】
#include <stdio.h>
char *fgets(char *s, int n, FILE *stream);

【参数】
s：缓冲区。
n：缓冲区大小，最多读 n-1 个字节，再补一个空字符。

【返回值】
成功返回 s；一个字节都没读到就到了文件结尾或出错时返回 NULL。

【说明】
读到换行符时会把换行符也存进 s。行比缓冲区长时，一次只读到一部分，剩下的留给下一次调用；可以检查 s 的最后一个字节是不是换行符来判断。
去掉行尾的换行：s[strcspn(s, "\r\n")] = 0;

【示例】
char line[256];
while (fgets(line, sizeof line, fp) != NULL) {
    line[strcspn(line, "\r\n")] = 0;
    puts(line);
}

【限制】
不要使用早已从标准中删除的 gets，它无法限制读入的长度。

【相关】
fputs getchar sscanf', 2, 100, 1, '');

INSERT INTO [fun] VALUES(37, 5, -1, -1, 'fputs',
'向文件流写一个字符串（不自动加换行）',
'【语法】
#include <stdio.h>
int fputs(const char *s, FILE *stream);

【返回值】
成功返回非负数，失败返回 EOF。

【说明】
与 puts 不同，fputs 不会在末尾加换行符。只输出固定文字时，它比 fprintf 更直接，也不会误把 % 当成格式说明。

【示例】
fputs("用法：tool [选项] 文件\n", stderr);

【相关】
fgets fprintf', 2, 100, 1, '');

INSERT INTO [fun] VALUES(38, 5, -1, -1, 'fseek',
'移动文件流的读写位置',
'【语法】
#include <stdio.h>
int fseek(FILE *stream, long offset, int whence);

【参数】
offset：偏移量，字节数，可以为负。
whence：从哪里算起：SEEK_SET 文件开头，SEEK_CUR 当前位置，SEEK_END 文件末尾。

【返回值】
成功返回 0，失败返回非 0。

【说明】
成功的 fseek 会清除文件结尾标志。读写方式打开的文件，从读切换到写或从写切换到读之间，必须调用一次 fseek（或 fflush）。
文本方式打开的文件只保证能移到 ftell 返回过的位置。

【示例】
/* 求文件大小 */
fseek(fp, 0, SEEK_END);
long size = ftell(fp);
fseek(fp, 0, SEEK_SET);

【限制】
long 在 Windows 上只有 32 位，超过 2 GB 的文件要用 _fseeki64，POSIX 上用 fseeko 和 off_t。

【相关】
ftell SEEK_SET SEEK_CUR SEEK_END lseek', 2, 100, 1, '');

INSERT INTO [fun] VALUES(44, 5, -1, -1, 'ferror',
'判断文件流是否出过错；feof 判断是否到了结尾',
'【语法】
#include <stdio.h>
int ferror(FILE *stream);
int feof(FILE *stream);
void clearerr(FILE *stream);

【返回值】
出错标志（或文件结尾标志）已设置时返回非 0，否则返回 0。

【说明】
读函数返回 EOF、NULL 或不足数的结果时，用这两个函数区分原因：feof 为真是读到了结尾，ferror 为真是发生了读错误。两个标志一旦设置就一直保持，直到调用 clearerr、rewind 或成功的 fseek。

【示例】
while ((c = fgetc(fp)) != EOF)
    count++;
if (ferror(fp))
    perror("读取中断");

【限制】
feof 只有在读取已经失败之后才为真，不能用它预先判断“还有没有数据”，见 EOF。

【相关】
EOF fread fgets fclose', 2, 100, 1, '');

INSERT INTO [fun] VALUES(39, 5, -1, -1, 'ftell',
'取得文件流当前的读写位置',
'【语法】
#include <stdio.h>
long ftell(FILE *stream);

【返回值】
当前位置；失败返回 -1 并设置 errno。

【说明】
二进制方式下返回值就是从文件开头算起的字节数；文本方式下它只是一个可以交给 fseek 的记号，不一定等于字节数。

【相关】
fseek', 2, 100, 1, '');

---------------------------------------------------------------- 格式化输入输出
INSERT INTO [fun] VALUES(40, 6, -1, -1, 'printf',
'按格式把数据输出到标准输出',
'【语法】
#include <stdio.h>
int printf(const char *format, ...);

【返回值】
输出的字节数；出错时返回负数。

【说明】
格式说明以 % 开头，常用的有：
    %d %i   int          %u   unsigned int
    %ld     long         %lld long long
    %zu     size_t       %x   十六进制
    %f      double       %e   科学计数法
    %s      字符串        %c   单个字符
    %p      指针         %%   百分号本身
宽度和精度写在 % 与类型字母之间：%8.3f 表示宽 8、小数 3 位，%-10s 表示左对齐宽 10。

【示例】
printf("%-10s%8.2f\n", "合计", 1234.5);
printf("共 %zu 项\n", count);

【限制】
参数类型必须与格式说明一致，否则结果未定义，例如用 %d 输出 size_t。不要把用户输入直接当作格式字符串：printf(text) 遇到其中的 % 会出错，应写成 printf("%s", text)。

【相关】
fprintf snprintf sscanf', 2, 100, 1, '');

INSERT INTO [fun] VALUES(41, 6, -1, -1, 'fprintf',
'按格式把数据输出到指定的文件流',
'【语法】
#include <stdio.h>
int fprintf(FILE *stream, const char *format, ...);

【返回值】
输出的字节数；出错时返回负数。

【说明】
格式说明与 printf 相同。fprintf(stdout, ...) 就是 printf。错误和诊断信息应写到 stderr，它不经过缓冲，即使标准输出被重定向到文件也能在终端上看到。

【示例】
fprintf(stderr, "无法打开 %s：%s\n", path, strerror(errno));

【相关】
printf perror', 2, 100, 1, '');

INSERT INTO [fun] VALUES(42, 6, 3, -1, 'snprintf',
'按格式写入字符串，最多写 n 个字节，总以空字符结尾',
'【语法】
#include <stdio.h>
int snprintf(char *s, size_t n, const char *format, ...);

【参数】
s：目标缓冲区。
n：缓冲区大小，包括结尾的空字符。

【返回值】
缓冲区足够大时本应写出的字节数（不含空字符）；编码出错时返回负数。

【说明】
n 大于 0 时结果总以空字符结尾，多出的部分被截掉。返回值大于等于 n 就说明发生了截断，这一点可以用来先求所需长度：

【示例】
int need = snprintf(NULL, 0, "%s/%s", dir, name);
char *path = malloc(need + 1);
snprintf(path, need + 1, "%s/%s", dir, name);

【限制】
老版本的 Visual C++ 只有 _snprintf，截断时不补空字符，返回 -1；Visual Studio 2015 起才提供符合标准的 snprintf。

【相关】
printf strncpy strcpy', 2, 100, 1, '');

INSERT INTO [fun] VALUES(43, 6, -1, -1, 'sscanf',
'按格式从字符串中读取数据',
'【语法】
#include <stdio.h>
int sscanf(const char *str, const char *format, ...);

【返回值】
成功赋值的项数；还没有转换任何一项输入就结束时返回 EOF。

【说明】
参数要传地址：读 int 传 &n，读 double 用 %lf 并传 &x（注意与 printf 的 %f 不同）。读字符串必须写宽度，否则可能写出缓冲区。

【示例】
int y, m, d;
if (sscanf(text, "%d-%d-%d", &y, &m, &d) == 3)
    printf("%d 年 %d 月 %d 日\n", y, m, d);

char word[32];
sscanf(text, "%31s", word);        /* 宽度比缓冲区少 1 */

【限制】
%d 遇到超出 int 范围的数字时行为未定义，需要检查范围的场合改用 strtol。

【相关】
strtol atoi fgets', 2, 100, 1, '');

---------------------------------------------------------------- C 标准库：内存分配与通用工具
INSERT INTO [fun] VALUES(50, 7, -1, -1, 'malloc',
'分配一块未初始化的内存',
'【语法】
#include <stdlib.h>
void *malloc(size_t size);

【参数】
size：要分配的字节数。

【返回值】
成功返回指向这块内存的指针，其对齐方式适合存放任何基本类型；失败返回 NULL。size 为 0 时可能返回 NULL，也可能返回一个不能使用、但可以交给 free 的指针。

【说明】
内存内容是不确定的，使用前要自己初始化，或者改用 calloc。用完后必须用 free 释放，且只能释放一次。
在 C 中不需要强制转换返回值；写成 p = malloc(n * sizeof *p) 可以让大小跟着指针的类型走。

【示例】
int *a = malloc(count * sizeof *a);
if (a == NULL)
    return -1;
/* ……使用 a[0] 到 a[count - 1]…… */
free(a);

【限制】
count * sizeof *a 可能溢出而分配出很小的一块内存，count 来自外部输入时应先检查，或者用 calloc，它会检查乘法溢出。

【相关】
calloc realloc free', 2, 100, 1, '');

INSERT INTO [fun] VALUES(51, 7, -1, -1, 'calloc',
'分配 n 个元素的内存并全部清零',
'【语法】
#include <stdlib.h>
void *calloc(size_t nmemb, size_t size);

【返回值】
成功返回指针，失败返回 NULL；nmemb * size 溢出时也返回 NULL。

【说明】
内存的每个字节都是 0。整数因此为 0；在常见平台上指针为 NULL、浮点数为 0.0，但标准并不保证后两者。

【示例】
struct item *items = calloc(count, sizeof *items);

【相关】
malloc free memset', 2, 100, 1, '');

INSERT INTO [fun] VALUES(52, 7, -1, -1, 'realloc',
'改变已分配内存块的大小，必要时搬到新地址',
'【语法】
#include <stdlib.h>
void *realloc(void *ptr, size_t size);

【参数】
ptr：malloc、calloc 或 realloc 返回的指针；为 NULL 时等同于 malloc(size)。
size：新的大小。

【返回值】
新内存块的指针，可能与 ptr 不同；原有内容（取新旧大小中较小者）保留。失败返回 NULL，此时原内存块不变，仍然有效。

【示例】
/* 容量不够时加倍 */
if (len == cap) {
    size_t new_cap = cap ? cap * 2 : 16;
    char *p = realloc(buf, new_cap);
    if (p == NULL)
        return -1;                 /* buf 仍然有效，别忘了释放 */
    buf = p;
    cap = new_cap;
}

【限制】
不要写 buf = realloc(buf, n)：失败时返回 NULL，原来的指针就丢了，内存也泄漏了。搬家以后，所有指向旧内存块内部的指针都失效。

【相关】
malloc free', 2, 100, 1, '');

INSERT INTO [fun] VALUES(53, 7, -1, -1, 'free',
'释放 malloc、calloc 或 realloc 分配的内存',
'【语法】
#include <stdlib.h>
void free(void *ptr);

【参数】
ptr：要释放的指针；为 NULL 时什么也不做。

【说明】
释放后的内存不能再访问，同一块内存也不能释放两次。释放后把指针设成 NULL 是个好习惯，再次 free 就不会出事。

【限制】
只能释放分配函数返回的原始指针，不能释放指向内存块中间的指针，也不能释放栈上的数组。

【相关】
malloc calloc realloc', 2, 100, 1, '');

INSERT INTO [fun] VALUES(54, 7, 13, -1, 'exit',
'正常结束程序，并把退出码交给调用者',
'【语法】
#include <stdlib.h>
void exit(int status);

【参数】
status：退出码。EXIT_SUCCESS 或 0 表示成功，EXIT_FAILURE 表示失败。在 POSIX 上父进程只能看到它的低 8 位。

【说明】
exit 先按注册的相反顺序调用 atexit 注册的函数，再刷新并关闭所有打开的文件流，删除 tmpfile 创建的临时文件，最后结束进程。从 main 返回等同于用返回值调用 exit。
fork 出来的子进程若要在出错时立即结束，应调用 _exit，避免把父进程留在缓冲区中的数据再写一遍。

【示例】
if (argc < 2) {
    fprintf(stderr, "缺少文件名\n");
    exit(EXIT_FAILURE);
}

【相关】
EXIT_SUCCESS EXIT_FAILURE fork', 2, 100, 1, '');

INSERT INTO [fun] VALUES(55, 7, -1, -1, 'getenv',
'取得环境变量的值',
'【语法】
#include <stdlib.h>
char *getenv(const char *name);

【返回值】
指向变量值的指针；没有这个变量时返回 NULL。

【说明】
返回的字符串属于运行环境，不要修改或释放它；以后调用 setenv 等函数可能使它失效，需要长期保存时复制一份。

【示例】
const char *home = getenv("HOME");
if (home == NULL || home[0] == 0)
    home = "/tmp";

【相关】
exit', 2, 100, 1, '');

INSERT INTO [fun] VALUES(56, 7, -1, -1, 'qsort',
'对数组排序，比较方法由回调函数决定',
'【语法】
#include <stdlib.h>
void qsort(void *base, size_t nmemb, size_t size,
           int (*compar)(const void *, const void *));

【参数】
base：数组起始地址。
nmemb：元素个数。
size：每个元素的字节数。
compar：比较函数，第一个元素小于、等于、大于第二个时分别返回负数、0、正数。

【说明】
qsort 不是稳定排序，相等的元素排序后的先后次序不确定。

【示例】
static int by_value(const void *a, const void *b)
{
    int x = *(const int *)a, y = *(const int *)b;
    return (x > y) - (x < y);      /* 不要写 x - y，可能溢出 */
}

qsort(values, count, sizeof values[0], by_value);

【相关】
strcmp', 2, 100, 1, '');

INSERT INTO [fun] VALUES(57, 7, -1, -1, 'strtol',
'把字符串转换成 long，能发现格式错误和溢出',
'【语法】
#include <stdlib.h>
long strtol(const char *nptr, char **endptr, int base);

【参数】
nptr：要转换的字符串，前面的空白被跳过，可以带正负号。
endptr：不为 NULL 时，返回第一个未被转换的字符的位置。
base：进制，2 到 36；为 0 时按前缀自动判断：0x 为十六进制，0 开头为八进制，其余为十进制。

【返回值】
转换结果。超出 long 的范围时返回 LONG_MAX 或 LONG_MIN，并把 errno 设为 ERANGE；一个数字也没有时返回 0，且 endptr 等于 nptr。

【示例】
char *end;
errno = 0;
long v = strtol(text, &end, 10);
if (end == text || *end != 0 || errno == ERANGE)
    return -1;                     /* 不是合法的数字 */

【相关】
atoi sscanf', 2, 100, 1, '');

INSERT INTO [fun] VALUES(58, 7, -1, -1, 'atoi',
'把字符串转换成 int（不检查错误）',
'【语法】
#include <stdlib.h>
int atoi(const char *nptr);

【返回值】
转换结果；字符串开头不是数字时返回 0。

【说明】
atoi 无法区分“0”和“不是数字”，结果超出 int 范围时行为未定义。只适合处理确信格式正确的数据，其余场合用 strtol。

【相关】
strtol', 2, 100, 1, '');

INSERT INTO [fun] VALUES(59, 7, -1, -1, 'rand',
'产生一个 0 到 RAND_MAX 之间的伪随机数',
'【语法】
#include <stdlib.h>
int rand(void);

【返回值】
0 到 RAND_MAX 之间的整数。

【说明】
同一个种子产生的序列总是相同的，用 srand 设置种子。rand() % n 的结果并不完全均匀，n 越接近 RAND_MAX 偏差越大。

【限制】
rand 的质量因实现而异，有的实现 RAND_MAX 只有 32767。不能用于密码、令牌等安全用途，这时应使用操作系统提供的随机源，如 Linux 的 getrandom。

【示例】
int dice = rand() % 6 + 1;

【相关】
srand RAND_MAX', 2, 100, 1, '');

INSERT INTO [fun] VALUES(60, 7, -1, -1, 'srand',
'设置 rand 的随机数种子',
'【语法】
#include <stdlib.h>
void srand(unsigned int seed);

【说明】
程序开始时调用一次即可，常用当前时间作种子。不调用 srand 时，相当于 srand(1)。
在循环中反复用 time(NULL) 设种子是常见错误：一秒之内种子相同，得到的“随机数”也相同。

【示例】
srand((unsigned int)time(NULL));

【相关】
rand time', 2, 100, 1, '');

---------------------------------------------------------------- C 标准库：字符分类
INSERT INTO [fun] VALUES(70, 8, -1, -1, 'isdigit',
'判断一个字节是不是十进制数字 0 到 9',
'【语法】
#include <ctype.h>
int isdigit(int c);

【返回值】
是数字时返回非 0，否则返回 0。不要假定“真”就是 1。

【说明】
ctype.h 中的分类函数都有同样的参数规则：c 必须是 EOF 或者能用 unsigned char 表示的值。

【限制】
直接把 char 传进去，遇到汉字等大于 127 的字节时，char 为有符号类型的平台上会得到负数，行为未定义。应写成 isdigit((unsigned char)*p)。

【示例】
int all_digits(const char *s)
{
    for (; *s; s++)
        if (!isdigit((unsigned char)*s))
            return 0;
    return 1;
}

【相关】
isalpha isspace strtol', 2, 100, 1, '');

INSERT INTO [fun] VALUES(71, 8, -1, -1, 'isalpha',
'判断一个字节是不是字母',
'【语法】
#include <ctype.h>
int isalpha(int c);

【返回值】
是字母时返回非 0，否则返回 0。

【说明】
在默认的 "C" 区域设置下只有 A 到 Z 和 a 到 z 算字母；调用 setlocale 以后，结果可能随区域设置变化。判断字母或数字用 isalnum。参数规则见 isdigit。

【相关】
isdigit toupper', 2, 100, 1, '');

INSERT INTO [fun] VALUES(72, 8, -1, -1, 'isspace',
'判断一个字节是不是空白字符',
'【语法】
#include <ctype.h>
int isspace(int c);

【说明】
"C" 区域设置下的空白字符有六个：空格、水平制表、换行、垂直制表、换页和回车。参数规则见 isdigit。

【示例】
/* 去掉字符串末尾的空白 */
size_t n = strlen(s);
while (n > 0 && isspace((unsigned char)s[n - 1]))
    s[--n] = 0;

【相关】
isdigit', 2, 100, 1, '');

INSERT INTO [fun] VALUES(73, 8, -1, -1, 'toupper',
'把小写字母转换成大写，其他值原样返回',
'【语法】
#include <ctype.h>
int toupper(int c);
int tolower(int c);

【返回值】
对应的大写（或小写）字母；c 不是字母时返回 c 本身。

【说明】
一次只转换一个字节，不能用来转换 UTF-8 或 GBK 中的多字节字符。参数规则见 isdigit。

【示例】
for (char *p = s; *p; p++)
    *p = (char)toupper((unsigned char)*p);

【相关】
tolower isalpha', 2, 100, 1, '');

INSERT INTO [fun] VALUES(74, 8, -1, -1, 'tolower',
'把大写字母转换成小写，其他值原样返回',
'【语法】
#include <ctype.h>
int tolower(int c);

【说明】
与 toupper 相对，用法和注意事项相同。不区分大小写地比较 ASCII 字符串时，可以逐字节 tolower 后比较；POSIX 提供了现成的 strcasecmp。

【相关】
toupper strcmp', 2, 100, 1, '');

---------------------------------------------------------------- C 标准库：数学函数
INSERT INTO [fun] VALUES(80, 9, -1, -1, 'sqrt',
'求平方根',
'【语法】
#include <math.h>
double sqrt(double x);

【返回值】
x 的非负平方根。x 为负数时发生定义域错误，返回 NaN。

【说明】
float 版本为 sqrtf，long double 版本为 sqrtl。在 Linux 上使用 math.h 中的函数，链接时通常要加 -lm。

【示例】
double dist = sqrt(dx * dx + dy * dy);   /* 更稳妥的写法是 hypot(dx, dy) */

【相关】
pow fabs', 2, 100, 1, '');

INSERT INTO [fun] VALUES(81, 9, -1, -1, 'pow',
'求 x 的 y 次幂',
'【语法】
#include <math.h>
double pow(double x, double y);

【返回值】
x 的 y 次幂。x 为负数而 y 不是整数时发生定义域错误；结果太大时返回 HUGE_VAL 并产生值域错误。

【说明】
pow 按浮点数计算，求整数的小次幂（平方、立方）直接写乘法既快又准确。
pow(2, 0.5) 与 sqrt(2) 结果相同，pow(x, 0) 对任何 x 都是 1。

【限制】
(int)pow(10, 2) 在个别实现上可能因为舍入误差得到 99，需要整数结果时先用 lround 取整。

【相关】
sqrt floor', 2, 100, 1, '');

INSERT INTO [fun] VALUES(82, 9, -1, -1, 'floor',
'向下取整；ceil 向上取整',
'【语法】
#include <math.h>
double floor(double x);
double ceil(double x);
double round(double x);        /* C99，四舍五入，0.5 远离 0 */

【返回值】
floor 返回不大于 x 的最大整数值，ceil 返回不小于 x 的最小整数值，结果仍是 double。

【说明】
floor(-2.5) 为 -3，ceil(-2.5) 为 -2，而把 -2.5 强制转换成 int 得 -2（向 0 截断）。
求整数除法的向上取整不必用浮点数：(a + b - 1) / b，a、b 为正整数。

【相关】
fmod pow', 2, 100, 1, '');

INSERT INTO [fun] VALUES(83, 9, -1, -1, 'fabs',
'求浮点数的绝对值',
'【语法】
#include <math.h>
double fabs(double x);

【说明】
整数的绝对值用 stdlib.h 中的 abs 和 labs。注意 abs(INT_MIN) 的结果无法用 int 表示，行为未定义。
比较两个浮点数是否“相等”，一般写成 fabs(a - b) <= eps * fabs(b) 的相对误差形式。

【相关】
sqrt fmod', 2, 100, 1, '');

INSERT INTO [fun] VALUES(84, 9, -1, -1, 'fmod',
'求浮点数除法的余数',
'【语法】
#include <math.h>
double fmod(double x, double y);

【返回值】
x - n * y，其中 n 是 x / y 向 0 截断后的整数。结果与 x 同号，绝对值小于 y 的绝对值。y 为 0 时发生定义域错误。

【示例】
double angle = fmod(degrees, 360.0);   /* -30 得 -30，不是 330 */
if (angle < 0)
    angle += 360.0;

【相关】
floor fabs', 2, 100, 1, '');

---------------------------------------------------------------- C 标准库：时间与日期
INSERT INTO [fun] VALUES(90, 10, -1, -1, 'time',
'取得当前的日历时间',
'【语法】
#include <time.h>
time_t time(time_t *tloc);

【参数】
tloc：不为 NULL 时，结果同时存到这里。一般直接传 NULL。

【返回值】
当前时间；失败返回 (time_t)-1。在 POSIX 系统上，它是从 1970-01-01 00:00:00 UTC 起经过的秒数。

【示例】
time_t start = time(NULL);
do_work();
printf("用时 %.0f 秒\n", difftime(time(NULL), start));

【相关】
localtime difftime clock time_t', 2, 100, 1, '');

INSERT INTO [fun] VALUES(91, 10, -1, -1, 'clock',
'取得程序所用的处理器时间',
'【语法】
#include <time.h>
clock_t clock(void);

【返回值】
程序开始以来所用的处理器时间，单位为时钟滴答；除以 CLOCKS_PER_SEC 得秒数。无法取得时返回 (clock_t)-1。

【说明】
clock 量的是 CPU 时间，不是墙上时间：程序等待输入或 sleep 时它基本不增加，多线程程序中它可能比实际经过的时间增长得还快（Windows 的实现例外，返回的是经过的时间）。测量经过的时间用 POSIX 的 clock_gettime(CLOCK_MONOTONIC, ...) 或 Win32 的 QueryPerformanceCounter。

【示例】
clock_t c0 = clock();
sort_all();
printf("%.3f 秒\n", (double)(clock() - c0) / CLOCKS_PER_SEC);

【相关】
CLOCKS_PER_SEC time QueryPerformanceCounter', 2, 100, 1, '');

INSERT INTO [fun] VALUES(92, 10, -1, -1, 'localtime',
'把 time_t 转换成本地时间的年月日时分秒',
'【语法】
#include <time.h>
struct tm *localtime(const time_t *timer);

【返回值】
指向分解后时间的指针；失败返回 NULL。struct tm 的主要成员：
    tm_year  从 1900 年起的年数
    tm_mon   月，0 到 11
    tm_mday  日，1 到 31
    tm_hour tm_min tm_sec  时、分、秒
    tm_wday  星期，0 为星期日

【说明】
返回的是一个静态对象，下一次调用 localtime 或 gmtime 会覆盖它；多线程中使用 POSIX 的 localtime_r 或 Windows 的 localtime_s。gmtime 转换成 UTC。

【示例】
time_t now = time(NULL);
struct tm *t = localtime(&now);
printf("%04d-%02d-%02d\n", t->tm_year + 1900, t->tm_mon + 1, t->tm_mday);

【相关】
time strftime', 2, 100, 1, '');

INSERT INTO [fun] VALUES(93, 10, -1, -1, 'strftime',
'按格式把 struct tm 写成日期时间文字',
'【语法】
#include <time.h>
size_t strftime(char *s, size_t max, const char *format, const struct tm *tm);

【返回值】
写入的字节数（不含空字符）；结果放不进 max 个字节时返回 0，此时缓冲区内容不确定。

【说明】
常用的格式：%Y 四位年份，%m 月，%d 日，%H 时（24 小时制），%M 分，%S 秒，%F 相当于 %Y-%m-%d，%T 相当于 %H:%M:%S，%a 星期简称。星期和月份的名称随区域设置变化。

【示例】
char buf[32];
time_t now = time(NULL);
strftime(buf, sizeof buf, "%Y-%m-%d %H:%M:%S", localtime(&now));

【相关】
localtime time', 2, 100, 1, '');

INSERT INTO [fun] VALUES(94, 10, -1, -1, 'difftime',
'求两个 time_t 之间相差的秒数',
'【语法】
#include <time.h>
double difftime(time_t end, time_t start);

【返回值】
end 减 start 的秒数，类型为 double。

【说明】
标准没有规定 time_t 的单位和表示方式，可移植的代码不直接相减，而是用 difftime。

【相关】
time time_t', 2, 100, 1, '');

---------------------------------------------------------------- POSIX：文件描述符
INSERT INTO [fun] VALUES(100, 12, -1, -1, 'open',
'打开或创建文件，得到文件描述符',
'【语法】
#include <fcntl.h>
int open(const char *path, int flags);
int open(const char *path, int flags, mode_t mode);

【参数】
flags：O_RDONLY、O_WRONLY、O_RDWR 三者必选其一，再按位或上其他标志：
    O_CREAT   文件不存在时创建
    O_EXCL    与 O_CREAT 一起用，文件已存在则失败
    O_TRUNC   清空已有内容
    O_APPEND  每次写入都加在末尾
    O_CLOEXEC exec 时自动关闭
mode：创建文件时的权限，如 0644；实际权限还要去掉 umask 中的位。用了 O_CREAT 就必须给出。

【返回值】
成功返回最小的未使用的文件描述符（非负整数），失败返回 -1 并设置 errno。

【示例】
int fd = open("out.log", O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0644);
if (fd == -1) {
    perror("open");
    return -1;
}

【相关】
close read write O_RDONLY O_CREAT fopen', 2, 100, 1, '');

INSERT INTO [fun] VALUES(101, 12, -1, -1, 'read',
'从文件描述符读取数据',
'【语法】
#include <unistd.h>
ssize_t read(int fd, void *buf, size_t count);

【返回值】
读到的字节数；0 表示到了文件结尾（管道和套接字则是对方已关闭）；-1 表示出错，errno 说明原因。

【说明】
读到的字节数可能少于 count，这是正常现象，特别是管道、终端和套接字。需要读满时要循环读。被信号打断时返回 -1，errno 为 EINTR，一般重试即可。

【示例】
ssize_t read_full(int fd, void *buf, size_t count)
{
    size_t done = 0;
    while (done < count) {
        ssize_t n = read(fd, (char *)buf + done, count - done);
        if (n == 0)
            break;                     /* 文件结尾 */
        if (n == -1) {
            if (errno == EINTR)
                continue;
            return -1;
        }
        done += (size_t)n;
    }
    return (ssize_t)done;
}

【相关】
write open fread', 2, 100, 1, '');

INSERT INTO [fun] VALUES(102, 12, -1, -1, 'write',
'向文件描述符写入数据',
'【语法】
#include <unistd.h>
ssize_t write(int fd, const void *buf, size_t count);

【返回值】
实际写入的字节数，可能少于 count；出错返回 -1。

【说明】
写磁盘文件时通常一次写完，但写管道、套接字或被信号打断时可能只写了一部分，可靠的代码要像 read 那样循环写到完为止。
向读端已经关闭的管道或套接字写数据会收到 SIGPIPE 信号，默认动作是结束进程。

【相关】
read close STDOUT_FILENO', 2, 100, 1, '');

INSERT INTO [fun] VALUES(103, 12, -1, -1, 'close',
'关闭文件描述符',
'【语法】
#include <unistd.h>
int close(int fd);

【返回值】
成功返回 0，失败返回 -1。

【说明】
文件描述符是有限的资源（每个进程默认上限通常是 1024），用完要关闭。在 Linux 上，即使 close 返回 -1、errno 为 EINTR，描述符也已经释放了，不要重试，否则可能关掉别的线程刚打开的文件。

【相关】
open dup2', 2, 100, 1, '');

INSERT INTO [fun] VALUES(104, 12, -1, -1, 'lseek',
'移动文件描述符的读写位置',
'【语法】
#include <unistd.h>
off_t lseek(int fd, off_t offset, int whence);

【参数】
whence：SEEK_SET、SEEK_CUR 或 SEEK_END，含义同 fseek。

【返回值】
移动后从文件开头算起的位置；出错返回 (off_t)-1。管道、套接字和终端不能移动，返回 -1，errno 为 ESPIPE。

【示例】
off_t size = lseek(fd, 0, SEEK_END);   /* 求文件大小 */

【相关】
fseek SEEK_SET read', 2, 100, 1, '');

INSERT INTO [fun] VALUES(105, 12, -1, -1, 'stat',
'取得文件的类型、大小、权限和时间',
'【语法】
#include <sys/stat.h>
int stat(const char *path, struct stat *st);
int fstat(int fd, struct stat *st);
int lstat(const char *path, struct stat *st);

【返回值】
成功返回 0，失败返回 -1；文件不存在时 errno 为 ENOENT。

【说明】
常用成员：st_size 大小（字节），st_mode 类型和权限，st_mtime 最后修改时间。用宏判断类型：S_ISREG 普通文件，S_ISDIR 目录，S_ISLNK 符号链接（只有 lstat 能看到，stat 会跟随链接）。

【示例】
struct stat st;
if (stat(path, &st) == 0 && S_ISDIR(st.st_mode))
    printf("%s 是目录\n", path);

【限制】
先 stat 检查、再根据结果打开文件，两步之间文件可能已被替换；对安全敏感的场合先 open，再对描述符用 fstat。

【相关】
open', 2, 100, 1, '');

INSERT INTO [fun] VALUES(106, 12, 13, -1, 'pipe',
'创建一根管道：一端写入，另一端读出',
'【语法】
#include <unistd.h>
int pipe(int fds[2]);

【返回值】
成功返回 0，fds[0] 是读端，fds[1] 是写端；失败返回 -1。

【说明】
管道常与 fork 配合，在父子进程之间传数据。每个进程都要关掉自己不用的那一端：只要还有进程开着写端，读端就永远等不到文件结尾。

【示例】
int fds[2];
pipe(fds);
if (fork() == 0) {             /* 子进程：写 */
    close(fds[0]);
    write(fds[1], "hello", 5);
    _exit(0);
}
close(fds[1]);                 /* 父进程：读 */
char buf[16];
ssize_t n = read(fds[0], buf, sizeof buf);

【相关】
fork dup2 read write', 2, 100, 1, '');

INSERT INTO [fun] VALUES(107, 12, -1, -1, 'dup2',
'让一个文件描述符号码指向另一个已打开的文件',
'【语法】
#include <unistd.h>
int dup2(int oldfd, int newfd);

【返回值】
成功返回 newfd，失败返回 -1。

【说明】
如果 newfd 已经打开，先把它关闭；之后 newfd 与 oldfd 指向同一个打开的文件，共享读写位置。典型用法是在 fork 之后、exec 之前重定向子进程的标准输入输出。

【示例】
int fd = open("out.txt", O_WRONLY | O_CREAT | O_TRUNC, 0644);
dup2(fd, STDOUT_FILENO);       /* 此后写到标准输出的内容进入 out.txt */
close(fd);

【相关】
pipe execvp STDIN_FILENO', 2, 100, 1, '');

---------------------------------------------------------------- POSIX：进程与信号
INSERT INTO [fun] VALUES(120, 13, -1, -1, 'fork',
'复制当前进程，创建一个子进程',
'【语法】
#include <unistd.h>
pid_t fork(void);

【返回值】
调用一次，返回两次：在子进程中返回 0，在父进程中返回子进程的进程号；失败时只在父进程返回 -1，没有子进程产生。

【说明】
子进程得到父进程内存、打开的文件描述符等的一份副本（现代系统用写时复制，开销很小），从 fork 返回处继续执行。
多线程程序中 fork 只复制调用它的那个线程，其他线程持有的锁在子进程中永远不会释放，所以子进程在 exec 之前只应调用异步信号安全的函数。
父进程要用 waitpid 回收结束的子进程，否则子进程会变成僵尸进程，占着进程表项。

【示例】
pid_t pid = fork();
if (pid == -1) {
    perror("fork");
} else if (pid == 0) {
    execlp("ls", "ls", "-l", (char *)NULL);
    _exit(127);                /* exec 失败才会走到这里 */
} else {
    int status;
    waitpid(pid, &status, 0);
}

【相关】
execvp waitpid getpid pipe pid_t', 2, 100, 1, '');

INSERT INTO [fun] VALUES(121, 13, -1, -1, 'execvp',
'用另一个程序替换当前进程，按 PATH 查找程序',
'【语法】
#include <unistd.h>
int execvp(const char *file, char *const argv[]);

【参数】
file：程序名；不含斜杠时在环境变量 PATH 列出的目录中查找。
argv：参数数组，argv[0] 习惯上是程序名，最后一个元素必须是 NULL。

【返回值】
成功时不返回：进程的代码和数据已经换成新程序，进程号不变，没有设置 O_CLOEXEC 的文件描述符保持打开。失败时返回 -1。

【说明】
exec 家族的名字说明了用法：l 表示参数逐个列出，v 表示参数放在数组里，p 表示按 PATH 查找，e 表示另给环境变量。

【示例】
char *args[] = {"grep", "-n", "TODO", "main.c", NULL};
execvp(args[0], args);
perror("execvp");              /* 只有失败才执行到这里 */
_exit(127);

【相关】
fork waitpid', 2, 100, 1, '');

INSERT INTO [fun] VALUES(122, 13, -1, -1, 'waitpid',
'等待子进程结束并取得它的退出状态',
'【语法】
#include <sys/wait.h>
pid_t waitpid(pid_t pid, int *status, int options);

【参数】
pid：要等的子进程；-1 表示任意一个子进程。
status：不为 NULL 时存放退出状态，用下面的宏解读。
options：0 表示一直等待；WNOHANG 表示没有已结束的子进程时立即返回 0。

【返回值】
结束的子进程的进程号；WNOHANG 且没有子进程结束时返回 0；出错返回 -1。

【说明】
解读状态：
    WIFEXITED(s)    正常结束时为真，WEXITSTATUS(s) 取退出码
    WIFSIGNALED(s)  被信号杀死时为真，WTERMSIG(s) 取信号编号

【示例】
int status;
if (waitpid(pid, &status, 0) == pid && WIFEXITED(status))
    printf("退出码 %d\n", WEXITSTATUS(status));

【相关】
fork exit kill', 2, 100, 1, '');

INSERT INTO [fun] VALUES(123, 13, -1, -1, 'getpid',
'取得当前进程的进程号',
'【语法】
#include <unistd.h>
pid_t getpid(void);
pid_t getppid(void);

【返回值】
getpid 返回自己的进程号，getppid 返回父进程的进程号。这两个函数总是成功。

【说明】
进程号在进程结束后会被重复使用，用它给临时文件起名并不可靠，临时文件应使用 mkstemp 创建。

【相关】
fork pid_t', 2, 100, 1, '');

INSERT INTO [fun] VALUES(124, 13, -1, -1, 'kill',
'向进程发送信号',
'【语法】
#include <signal.h>
int kill(pid_t pid, int sig);

【参数】
pid：大于 0 时是目标进程；0 表示同一进程组的所有进程；-1 表示有权发送的所有进程。
sig：信号编号，如 SIGTERM、SIGKILL；为 0 时不发送，只检查进程是否存在以及是否有权限。

【返回值】
成功返回 0，失败返回 -1。

【说明】
先发 SIGTERM 让对方有机会清理后退出，等一会儿仍不退出再发 SIGKILL。SIGKILL 不能被捕获或忽略。

【示例】
if (kill(pid, 0) == 0)
    printf("进程 %d 还在运行\n", (int)pid);

【相关】
SIGTERM SIGKILL waitpid', 2, 100, 1, '');

---------------------------------------------------------------- POSIX：线程
INSERT INTO [fun] VALUES(130, 14, -1, -1, 'pthread_create',
'创建一个新线程',
'【语法】
#include <pthread.h>
int pthread_create(pthread_t *thread, const pthread_attr_t *attr,
                   void *(*start)(void *), void *arg);

【参数】
thread：存放新线程的标识。
attr：线程属性，NULL 表示默认。
start：线程函数，参数是 arg，返回值可以由 pthread_join 取得。
arg：传给线程函数的参数。

【返回值】
成功返回 0，失败直接返回错误码（不设置 errno）。编译链接时加 -pthread。

【说明】
arg 指向的数据在线程使用期间必须一直有效：不要传一个马上就离开作用域的局部变量的地址。
每个线程最终都要被 pthread_join 回收，或者用 pthread_detach 分离，否则会泄漏资源。

【示例】
static void *worker(void *arg)
{
    int *n = arg;
    printf("第 %d 号线程\n", *n);
    return NULL;
}

pthread_t tid;
static int id = 1;
if (pthread_create(&tid, NULL, worker, &id) != 0)
    fprintf(stderr, "无法创建线程\n");
pthread_join(tid, NULL);

【相关】
pthread_join pthread_mutex_lock', 2, 100, 1, '');

INSERT INTO [fun] VALUES(131, 14, -1, -1, 'pthread_join',
'等待线程结束并取得它的返回值',
'【语法】
#include <pthread.h>
int pthread_join(pthread_t thread, void **retval);

【返回值】
成功返回 0，失败返回错误码，例如等待自己时为 EDEADLK。

【说明】
retval 不为 NULL 时得到线程函数的返回值。一个线程只能被 join 一次，已经 detach 的线程不能 join。

【相关】
pthread_create', 2, 100, 1, '');

INSERT INTO [fun] VALUES(132, 14, -1, -1, 'pthread_mutex_lock',
'给互斥量加锁，已被别的线程锁住时等待',
'【语法】
#include <pthread.h>
int pthread_mutex_lock(pthread_mutex_t *mutex);
int pthread_mutex_trylock(pthread_mutex_t *mutex);

【返回值】
成功返回 0。trylock 在锁已被占用时立即返回 EBUSY。

【说明】
互斥量可以静态初始化：pthread_mutex_t lock = PTHREAD_MUTEX_INITIALIZER;
加锁和解锁之间的代码越短越好，不要在持有锁时做耗时的输入输出。需要同时持有几把锁时，所有线程都按同一顺序加锁，避免死锁。

【示例】
static pthread_mutex_t lock = PTHREAD_MUTEX_INITIALIZER;
static long counter;

void add_one(void)
{
    pthread_mutex_lock(&lock);
    counter++;
    pthread_mutex_unlock(&lock);
}

【相关】
pthread_mutex_unlock pthread_create', 2, 100, 1, '');

INSERT INTO [fun] VALUES(133, 14, -1, -1, 'pthread_mutex_unlock',
'给互斥量解锁',
'【语法】
#include <pthread.h>
int pthread_mutex_unlock(pthread_mutex_t *mutex);

【返回值】
成功返回 0。

【说明】
只能由加锁的那个线程解锁。函数中途返回时最容易忘记解锁，可以让函数只有一个出口，或者在 C++ 中用 std::lock_guard 自动解锁。

【相关】
pthread_mutex_lock', 2, 100, 1, '');

---------------------------------------------------------------- POSIX：网络套接字
INSERT INTO [fun] VALUES(140, 15, -1, -1, 'socket',
'创建一个套接字',
'【语法】
#include <sys/socket.h>
int socket(int domain, int type, int protocol);

【参数】
domain：地址族，AF_INET 为 IPv4，AF_INET6 为 IPv6，AF_UNIX 为本机进程间通信。
type：SOCK_STREAM 为可靠的字节流（TCP），SOCK_DGRAM 为数据报（UDP）。
protocol：一般为 0，按前两个参数选默认协议。

【返回值】
成功返回文件描述符，失败返回 -1。

【说明】
套接字就是文件描述符，可以用 read、write、close 操作。整个连接的建立过程见“TCP 连接的建立过程”。

【相关】
bind connect listen accept close', 2, 100, 1, '');

INSERT INTO [fun] VALUES(141, 15, -1, -1, 'bind',
'给套接字指定本地地址和端口',
'【语法】
#include <sys/socket.h>
int bind(int fd, const struct sockaddr *addr, socklen_t addrlen);

【返回值】
成功返回 0，失败返回 -1。端口已被占用时 errno 为 EADDRINUSE。

【说明】
服务器重启时，旧连接可能还处于 TIME_WAIT 状态，端口会在一段时间内无法绑定；在 bind 之前设置 SO_REUSEADDR 选项可以避免。端口号和地址必须转换成网络字节序。

【示例】
struct sockaddr_in addr;
memset(&addr, 0, sizeof addr);
addr.sin_family = AF_INET;
addr.sin_port = htons(8080);
addr.sin_addr.s_addr = htonl(INADDR_ANY);

int on = 1;
setsockopt(fd, SOL_SOCKET, SO_REUSEADDR, &on, sizeof on);
if (bind(fd, (struct sockaddr *)&addr, sizeof addr) == -1)
    perror("bind");

【相关】
socket listen', 2, 100, 1, '');

INSERT INTO [fun] VALUES(142, 15, -1, -1, 'listen',
'让 TCP 套接字开始接受连接',
'【语法】
#include <sys/socket.h>
int listen(int fd, int backlog);

【参数】
backlog：已完成握手、等待 accept 取走的连接队列的长度上限。SOMAXCONN 表示系统允许的最大值。

【返回值】
成功返回 0，失败返回 -1。

【相关】
bind accept', 2, 100, 1, '');

INSERT INTO [fun] VALUES(143, 15, -1, -1, 'accept',
'从监听套接字取出一个已建立的连接',
'【语法】
#include <sys/socket.h>
int accept(int fd, struct sockaddr *addr, socklen_t *addrlen);

【参数】
addr、addrlen：不为 NULL 时得到对方的地址；addrlen 调用前要设为 addr 缓冲区的大小。

【返回值】
代表这个连接的新文件描述符；失败返回 -1。监听用的 fd 保持不变，可以继续 accept。

【说明】
没有连接时 accept 会一直等待。一个线程同时服务多个连接，要用 poll、epoll 等机制配合非阻塞的套接字。

【示例】
for (;;) {
    int conn = accept(listen_fd, NULL, NULL);
    if (conn == -1)
        continue;
    serve(conn);
    close(conn);
}

【相关】
listen connect read write', 2, 100, 1, '');

INSERT INTO [fun] VALUES(144, 15, -1, -1, 'connect',
'把套接字连接到远端地址',
'【语法】
#include <sys/socket.h>
int connect(int fd, const struct sockaddr *addr, socklen_t addrlen);

【返回值】
成功返回 0，失败返回 -1；对方没有在监听时 errno 一般为 ECONNREFUSED。

【说明】
把主机名解析成地址用 getaddrinfo，它同时支持 IPv4 和 IPv6，比旧的 gethostbyname 更好。

【示例】
struct addrinfo hints = {0}, *res;
hints.ai_socktype = SOCK_STREAM;
if (getaddrinfo("example.com", "80", &hints, &res) == 0) {
    int fd = socket(res->ai_family, res->ai_socktype, res->ai_protocol);
    if (connect(fd, res->ai_addr, res->ai_addrlen) == -1)
        perror("connect");
    freeaddrinfo(res);
}

【相关】
socket accept', 2, 100, 1, '');

INSERT INTO [fun] VALUES(149, 15, -1, -1, 'TCP 连接的建立过程',
'服务器端和客户端各调用哪些函数，次序如何（网页格式，带插图）',
'<h3>TCP 连接的建立过程</h3>
<p><img src="tcp_flow.png" alt="服务器端与客户端的调用次序"></p>
<p><b>服务器端</b>依次调用 socket 创建套接字，bind 绑定端口，listen 开始监听，然后在循环中用 accept 取出一个个连接；每个连接都是一个新的文件描述符。</p>
<p><b>客户端</b>调用 socket 之后直接 connect。connect 返回时，三次握手已经完成，accept 那一边也拿到了这个连接。</p>
<p>之后两边都用 read 和 write 收发数据。TCP 传的是字节流，没有“消息”的边界：一次 write 的数据可能被对方分几次 read 到，几次 write 的数据也可能一次读到，所以应用协议要自己标出每条消息的长度或结尾。</p>
<p>一方 close 之后，另一方的 read 返回 0。先主动关闭的一方会进入 TIME_WAIT 状态保留一段时间，这就是服务器重启时端口暂时无法 bind 的原因，参见 bind 中的 SO_REUSEADDR。</p>
<pre>
<b>服务器</b>                     <b>客户端</b>
fd = socket(...)             fd = socket(...)
bind(fd, ...)
listen(fd, SOMAXCONN)
c = accept(fd, ...)   &lt;---   connect(fd, ...)
read(c, ...)          &lt;---   write(fd, ...)
close(c)                     close(fd)
</pre>', 1, 200, 0, 'tcp.htm');

---------------------------------------------------------------- Win32：系统信息与计时
INSERT INTO [fun] VALUES(150, 17, -1, -1, 'GetTickCount',
'取得系统启动以来经过的毫秒数',
'【VB声名】
Declare Function GetTickCount Lib "kernel32" () As Long

【返回值】
系统启动以来的毫秒数。

【说明】
精度受系统时钟中断的限制，一般在 10 到 16 毫秒之间，适合粗略计时和超时判断；需要更高精度用 QueryPerformanceCounter。
返回值是 32 位无符号数，大约 49.7 天后回绕到 0。在 BASIC 中它被当作有符号的 Long，开机 24.8 天以后就会变成负数，所以只用两次取值的差，不要直接比较大小。Vista 以后的系统另有不会回绕的 GetTickCount64。

【示例】
Dim t0 As Long, used As Long
t0 = GetTickCount()
DoHeavyWork                     '' 要计时的代码
used = GetTickCount() - t0
Debug.Print "用时 " & used & " 毫秒"

【相关】
QueryPerformanceCounter Sleep', 2, 100, 1, '');

INSERT INTO [fun] VALUES(151, 17, -1, -1, 'Sleep',
'让当前线程暂停指定的毫秒数',
'【VB声名】
Declare Sub Sleep Lib "kernel32" (ByVal dwMilliseconds As Long)

【参数】
dwMilliseconds：暂停的毫秒数。为 0 时把剩余的时间片让给其他就绪的线程；为 INFINITE 时永远暂停。

【说明】
实际暂停的时间以系统时钟间隔为单位，通常比要求的稍长。
在界面线程中调用 Sleep 会让窗口在这段时间里停止响应。需要等待又不想卡住界面时，可以分成小段暂停，中间调用 DoEvents 处理消息。

【示例】
Dim i As Long
For i = 1 To 10
    Sleep 100
    DoEvents                    '' 让窗口保持响应
Next i

【相关】
GetTickCount INFINITE', 2, 100, 1, '');

INSERT INTO [fun] VALUES(152, 17, -1, -1, 'GetSystemDirectory',
'取得 Windows 系统目录的路径',
'【VB声名】
Declare Function GetSystemDirectory Lib "kernel32" Alias "GetSystemDirectoryA" (ByVal lpBuffer As String, ByVal nSize As Long) As Long

【参数】
lpBuffer：接收路径的缓冲区，调用前先用 Space$ 或 String$ 准备好长度。
nSize：缓冲区的字符数。

【返回值】
成功时返回路径的长度（不含结尾的空字符）；缓冲区太小时返回所需的大小（含空字符）；失败返回 0。

【说明】
这是 Win32 中“调用者提供缓冲区”的典型写法：先开一个足够大的缓冲区（MAX_PATH 通常够用），再按返回值截取。

【示例】
Dim buf As String, n As Long
buf = Space$(MAX_PATH)
n = GetSystemDirectory(buf, MAX_PATH)
If n > 0 And n < MAX_PATH Then
    buf = Left$(buf, n)         '' 例如 C:\Windows\system32
End If

【相关】
MAX_PATH GetModuleFileName', 2, 100, 1, '');

INSERT INTO [fun] VALUES(153, 17, -1, -1, 'GetComputerName',
'取得本机的计算机名',
'【VB声名】
Declare Function GetComputerName Lib "kernel32" Alias "GetComputerNameA" (ByVal lpBuffer As String, nSize As Long) As Long

【参数】
lpBuffer：接收名字的缓冲区。
nSize：按引用传递：调用前是缓冲区大小，调用后是名字的长度（不含空字符）。

【返回值】
成功返回非 0，失败返回 0。

【说明】
注意 nSize 没有 ByVal，函数要通过它把长度写回来。计算机名最长 15 个字符（MAX_COMPUTERNAME_LENGTH），准备 16 个字符的缓冲区就够了。

【示例】
Dim buf As String, size As Long
size = 16
buf = Space$(size)
If GetComputerName(buf, size) <> 0 Then
    MsgBox "本机名：" & Left$(buf, size)
End If

【相关】
ByRef ByVal', 2, 100, 1, '');

INSERT INTO [fun] VALUES(154, 17, -1, -1, 'QueryPerformanceCounter',
'读取高精度计数器，用于精确计时',
'【VB声名】
Declare Function QueryPerformanceCounter Lib "kernel32" (lpPerformanceCount As Currency) As Long
Declare Function QueryPerformanceFrequency Lib "kernel32" (lpFrequency As Currency) As Long

【参数】
lpPerformanceCount：接收计数器的当前值。
lpFrequency：接收计数器每秒增加的次数，系统运行期间不变。

【返回值】
成功返回非 0。XP 以后的系统上总是成功。

【说明】
C 中参数类型是 LARGE_INTEGER（64 位整数）。BASIC 没有 64 位整数，借用同样占 8 个字节的 Currency 类型来接收；Currency 会把数值显示成除以 10000 的结果，但计数值和频率都缩小了同样倍数，两者相除正好抵消。

【示例】
Dim freq As Currency, c0 As Currency, c1 As Currency
QueryPerformanceFrequency freq
QueryPerformanceCounter c0
DoHeavyWork
QueryPerformanceCounter c1
Debug.Print "用时 " & Format$((c1 - c0) / freq * 1000, "0.000") & " 毫秒"

【相关】
GetTickCount clock', 2, 100, 1, '');

INSERT INTO [fun] VALUES(155, 17, -1, -1, 'GetLastError',
'取得调用线程最近一次 API 失败的错误码',
'【VB声名】
Declare Function GetLastError Lib "kernel32" () As Long

【返回值】
错误码，如 2 为找不到文件，5 为拒绝访问。

【说明】
大多数 API 失败时才设置错误码，成功时不一定清零，所以只在函数报告失败后读取它。
在 BASIC 中不要调用这个声明：运行库在 API 返回后自己也会调用其他 API，把错误码改掉。应在用 Declare 声明的函数返回后立刻读取 Err.LastDllError，它保存的正是 GetLastError 的值。

【示例】
Dim h As Long
h = CreateFile(path, GENERIC_READ, FILE_SHARE_READ, 0, OPEN_EXISTING, 0, 0)
If h = INVALID_HANDLE_VALUE Then
    MsgBox "打不开文件，错误码 " & Err.LastDllError
Else
    CloseHandle h
End If

【相关】
CreateFile', 2, 100, 1, '');

---------------------------------------------------------------- Win32：窗口与消息
INSERT INTO [fun] VALUES(160, 18, -1, -1, 'MessageBox',
'显示一个带按钮和图标的消息框，返回用户点的按钮',
'【VB声名】
Declare Function MessageBox Lib "user32" Alias "MessageBoxA" (ByVal hWnd As Long, ByVal lpText As String, ByVal lpCaption As String, ByVal wType As Long) As Long

【参数】
hWnd：所属窗口；为 0 时消息框没有所属窗口。
lpText：消息内容。
lpCaption：标题。
wType：按钮、图标和默认按钮的组合，如 MB_YESNO Or MB_ICONQUESTION。

【返回值】
用户点的按钮：IDOK、IDCANCEL、IDYES、IDNO 等；失败返回 0。

【说明】
消息框是模态的：在用户关闭它之前，所属窗口不能操作，调用也不返回。BASIC 自带的 MsgBox 功能相近，直接调用 API 的好处是可以指定所属窗口和使用全部的类型标志。

【示例】
If MessageBox(Me.hWnd, "确定要删除吗？", "提示", MB_YESNO Or MB_ICONQUESTION) = IDYES Then
    DeleteCurrentItem
End If

【相关】
MB_OK MB_YESNO IDYES', 2, 100, 1, '');

INSERT INTO [fun] VALUES(161, 18, -1, -1, 'FindWindow',
'按窗口类名或标题查找顶层窗口',
'【VB声名】
Declare Function FindWindow Lib "user32" Alias "FindWindowA" (ByVal lpClassName As String, ByVal lpWindowName As String) As Long

【参数】
lpClassName：窗口类名；不限制时传 vbNullString。
lpWindowName：窗口标题，必须完全相同；不限制时传 vbNullString。

【返回值】
找到的窗口句柄；找不到返回 0。

【说明】
不限制的参数要传 vbNullString（空指针），不能传空字符串 ""，后者表示“标题为空的窗口”。
只查找顶层窗口，查子窗口用 FindWindowEx。常用来判断程序是否已经在运行。

【示例】
Dim h As Long
h = FindWindow("Notepad", vbNullString)
If h <> 0 Then SendMessage h, WM_CLOSE, 0, ByVal 0&

【相关】
SendMessage PostMessage HWND', 2, 100, 1, '');

INSERT INTO [fun] VALUES(162, 18, -1, -1, 'SendMessage',
'向窗口发送消息，等窗口处理完才返回',
'【VB声名】
Declare Function SendMessage Lib "user32" Alias "SendMessageA" (ByVal hWnd As Long, ByVal wMsg As Long, ByVal wParam As Long, lParam As Any) As Long

【参数】
hWnd：目标窗口。
wMsg：消息号，如 WM_SETTEXT、WM_CLOSE。
wParam、lParam：消息的参数，含义随消息而定。

【返回值】
窗口过程处理这条消息的结果，含义随消息而定。

【说明】
lParam 声明为 As Any，可以传任何东西，所以传数值时必须写 ByVal，如 ByVal 0&；否则传过去的是变量的地址。传字符串时写 ByVal s，传过去的是字符串内容的地址。
目标窗口属于别的线程时，调用会一直等到那个线程处理完；对方挂起时调用者也会卡住，这种场合可以用 SendMessageTimeout 或 PostMessage。

【示例】
SendMessage Text1.hWnd, WM_SETTEXT, 0, ByVal "新的内容"

【相关】
PostMessage WM_SETTEXT WM_CLOSE Any ByVal', 2, 100, 1, '');

INSERT INTO [fun] VALUES(163, 18, -1, -1, 'PostMessage',
'把消息放进窗口的消息队列，立即返回',
'【VB声名】
Declare Function PostMessage Lib "user32" Alias "PostMessageA" (ByVal hWnd As Long, ByVal wMsg As Long, ByVal wParam As Long, ByVal lParam As Long) As Long

【返回值】
成功放进队列返回非 0，失败返回 0。

【说明】
PostMessage 不等待处理结果，所以不能传指向局部数据的指针：消息被处理时，那块数据可能已经不存在了。适合发送“请你关闭”“有新数据了”这类通知。

【示例】
PostMessage hTarget, WM_CLOSE, 0, 0

【相关】
SendMessage WM_CLOSE', 2, 100, 1, '');

INSERT INTO [fun] VALUES(164, 18, -1, -1, 'SetWindowText',
'设置窗口的标题，或控件的文字',
'【VB声名】
Declare Function SetWindowText Lib "user32" Alias "SetWindowTextA" (ByVal hWnd As Long, ByVal lpString As String) As Long

【返回值】
成功返回非 0，失败返回 0。

【说明】
它实际上向窗口发送 WM_SETTEXT 消息。对别的进程的窗口，SetWindowText 只能改标题，改不了其中控件的文字；这时直接 SendMessage 一条 WM_SETTEXT。

【示例】
SetWindowText Me.hWnd, "处理中…… 50%"

【相关】
SendMessage WM_SETTEXT', 2, 100, 1, '');

---------------------------------------------------------------- Win32：文件与模块
INSERT INTO [fun] VALUES(170, 19, -1, -1, 'CreateFile',
'打开或创建文件、管道、设备，返回句柄',
'【VB声名】
Declare Function CreateFile Lib "kernel32" Alias "CreateFileA" (ByVal lpFileName As String, ByVal dwDesiredAccess As Long, ByVal dwShareMode As Long, ByVal lpSecurityAttributes As Long, ByVal dwCreationDisposition As Long, ByVal dwFlagsAndAttributes As Long, ByVal hTemplateFile As Long) As Long

【参数】
lpFileName：文件名。
dwDesiredAccess：GENERIC_READ、GENERIC_WRITE，或两者用 Or 组合。
dwShareMode：允许别人同时怎样打开，FILE_SHARE_READ 允许同时读；0 表示独占。
lpSecurityAttributes：安全属性，一般传 0。
dwCreationDisposition：
    CREATE_NEW         文件已存在则失败
    CREATE_ALWAYS      创建，已存在则清空
    OPEN_EXISTING      文件必须存在
    OPEN_ALWAYS        存在就打开，不存在就创建
dwFlagsAndAttributes：文件属性和标志，普通文件用 FILE_ATTRIBUTE_NORMAL 或 0。
hTemplateFile：一般传 0。

【返回值】
成功返回文件句柄，失败返回 INVALID_HANDLE_VALUE（-1），而不是 0；用 Err.LastDllError 取得原因。

【示例】
Dim h As Long
h = CreateFile("C:\data\log.txt", GENERIC_WRITE, FILE_SHARE_READ, 0, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, 0)
If h = INVALID_HANDLE_VALUE Then
    MsgBox "打开失败，错误码 " & Err.LastDllError
    Exit Sub
End If
'' ……写入……
CloseHandle h

【相关】
CloseHandle GetLastError INVALID_HANDLE_VALUE GENERIC_READ HANDLE', 2, 100, 1, '');

INSERT INTO [fun] VALUES(171, 19, -1, -1, 'CloseHandle',
'关闭一个内核对象句柄',
'【VB声名】
Declare Function CloseHandle Lib "kernel32" (ByVal hObject As Long) As Long

【返回值】
成功返回非 0，失败返回 0。

【说明】
文件、进程、线程、事件、互斥量等内核对象的句柄都用它关闭。窗口句柄、GDI 对象和 LoadLibrary 得到的模块句柄不用它，各有自己的释放函数（DestroyWindow、DeleteObject、FreeLibrary）。
同一个句柄不能关两次：句柄值会被重新使用，第二次关掉的可能是别人的对象。

【相关】
CreateFile HANDLE', 2, 100, 1, '');

INSERT INTO [fun] VALUES(172, 19, -1, -1, 'GetModuleFileName',
'取得模块（可执行文件或动态库）的完整路径',
'【VB声名】
Declare Function GetModuleFileName Lib "kernel32" Alias "GetModuleFileNameA" (ByVal hModule As Long, ByVal lpFileName As String, ByVal nSize As Long) As Long

【参数】
hModule：模块句柄；为 0 时是当前进程的可执行文件。
lpFileName：接收路径的缓冲区。
nSize：缓冲区的字符数。

【返回值】
复制到缓冲区的字符数；失败返回 0。缓冲区太小时路径被截断，返回值等于 nSize。

【说明】
程序要找自己目录下的配置文件和数据文件时，用它取得可执行文件的位置，而不要依赖当前目录，因为当前目录随启动方式而变。

【示例】
Dim buf As String, n As Long
buf = Space$(MAX_PATH)
n = GetModuleFileName(0, buf, MAX_PATH)
buf = Left$(buf, n)
Debug.Print Left$(buf, InStrRev(buf, "\"))      '' 程序所在的目录

【相关】
MAX_PATH GetSystemDirectory LoadLibrary', 2, 100, 1, '');

INSERT INTO [fun] VALUES(173, 19, -1, -1, 'LoadLibrary',
'把动态链接库载入进程，得到模块句柄',
'【VB声名】
Declare Function LoadLibrary Lib "kernel32" Alias "LoadLibraryA" (ByVal lpLibFileName As String) As Long

【返回值】
成功返回模块句柄，失败返回 0。

【说明】
只给文件名时，系统按一定次序在几个目录中搜索，其中包括程序所在的目录和系统目录；为了防止载入被人放在搜索路径中的同名恶意 DLL，尽量给出完整路径。
载入后用 GetProcAddress 找到其中的函数；不再使用时用 FreeLibrary 释放，载入和释放的次数要相等。

【示例】
Dim hLib As Long
hLib = LoadLibrary("shell32.dll")
If hLib <> 0 Then
    Debug.Print "有 SHGetFolderPathA：" & (GetProcAddress(hLib, "SHGetFolderPathA") <> 0)
    FreeLibrary hLib
End If

【相关】
GetProcAddress FreeLibrary GetModuleFileName', 2, 100, 1, '');

INSERT INTO [fun] VALUES(174, 19, -1, -1, 'GetProcAddress',
'取得动态链接库中某个导出函数的地址',
'【VB声名】
Declare Function GetProcAddress Lib "kernel32" (ByVal hModule As Long, ByVal lpProcName As String) As Long

【参数】
hModule：LoadLibrary 或 GetModuleHandle 得到的模块句柄。
lpProcName：函数名。这个函数只有 ANSI 版本，所以声明中没有 Alias。

【返回值】
函数地址；找不到返回 0。

【说明】
常用来在运行时判断系统是否提供某个较新的函数，提供了才调用，从而让程序在旧系统上也能运行。
注意许多 API 有 A、W 两个版本，导出的名字带后缀，例如查找 MessageBoxA，而不是 MessageBox。

【相关】
LoadLibrary FreeLibrary', 2, 100, 1, '');

INSERT INTO [fun] VALUES(175, 19, -1, -1, 'FreeLibrary',
'释放 LoadLibrary 载入的动态链接库',
'【VB声名】
Declare Function FreeLibrary Lib "kernel32" (ByVal hLibModule As Long) As Long

【返回值】
成功返回非 0，失败返回 0。

【说明】
每次 LoadLibrary 都使库的引用计数加 1，FreeLibrary 减 1，减到 0 时库被卸载。卸载以后，先前用 GetProcAddress 取得的函数地址都不能再调用。

【相关】
LoadLibrary GetProcAddress', 2, 100, 1, '');

---------------------------------------------------------------- BASIC 声明与定义
INSERT INTO [fun] VALUES(180, 21, -1, -1, 'Declare',
'声明动态链接库中的外部函数，之后就能像普通过程一样调用',
'【目的】
让 BASIC 程序调用 Win32 API 或其他 DLL 中导出的函数。

【语法】
[Public | Private] Declare Function 名字 Lib "库名" [Alias "导出名"] ([参数表]) [As 类型]
[Public | Private] Declare Sub 名字 Lib "库名" [Alias "导出名"] ([参数表])

【说明】
有返回值的用 Function，没有的用 Sub。Lib 给出 DLL 的文件名，系统 DLL 可以省略 .dll；Alias 给出 DLL 中真正的导出名，用于 A/W 版本的函数或名字与 BASIC 关键字冲突的情况。
在窗体和类模块中 Declare 只能是 Private；要全工程共用，放在标准模块里声明为 Public。
参数的传递方式必须与 C 原型一致：C 中按值传的整数和句柄写 ByVal ... As Long；C 中的指针参数（如 LPDWORD）去掉 ByVal，按引用传；字符串写 ByVal ... As String，传过去的是以空字符结尾的 ANSI 字符串。

【示例】
Private Declare Function GetTickCount Lib "kernel32" () As Long
Private Declare Sub Sleep Lib "kernel32" (ByVal dwMilliseconds As Long)

【限制】
声明写错（参数个数、类型或 ByVal 不对）不会在编译时报错，而是在运行时出现“DLL 调用约定错误”甚至程序崩溃。从可靠的资料复制声明最稳妥。

【相关】
Lib Alias Function Sub ByVal ByRef', 5, 100, 4, '');

INSERT INTO [fun] VALUES(181, 21, -1, -1, 'Lib',
'Declare 语句中指出函数所在的动态链接库',
'【语法】
Declare Function 名字 Lib "库名" ...

【说明】
库名是一个字符串，如 "kernel32"、"user32"、"gdi32"、"shell32.dll"。不写路径时按 Windows 的 DLL 搜索次序查找。库在第一次调用其中的函数时才载入，声明错了的库名也是到那时才报错（错误 53：文件未找到）。

【相关】
Declare Alias', 5, 100, 4, '');

INSERT INTO [fun] VALUES(182, 21, -1, -1, 'Alias',
'Declare 语句中给出 DLL 里真正的导出函数名',
'【语法】
Declare Function 名字 Lib "库名" Alias "导出名" (...)

【说明】
处理字符串的 API 大多有两个版本：A 后缀的 ANSI 版和 W 后缀的 Unicode 版，DLL 中并没有不带后缀的名字。BASIC 的 Declare 按 ANSI 传字符串，所以写 Alias "MessageBoxA"，程序里仍然用 MessageBox 这个名字调用。
导出名区分大小写。

【示例】
Declare Function MessageBox Lib "user32" Alias "MessageBoxA" (ByVal hWnd As Long, ByVal lpText As String, ByVal lpCaption As String, ByVal wType As Long) As Long

【相关】
Declare Lib', 5, 100, 4, '');

INSERT INTO [fun] VALUES(183, 21, -1, -1, 'Function',
'定义有返回值的过程',
'【语法】
[Public | Private] Function 名字([参数表]) [As 类型]
    语句
    名字 = 返回值
End Function

【说明】
给与函数同名的变量赋值就是设置返回值，可以赋值多次，以最后一次为准；Exit Function 立即返回。没有赋值时返回该类型的默认值（数值为 0，字符串为空）。
参数默认按引用传递，改变参数会改变调用者的变量；不希望这样时写 ByVal。

【示例】
Private Function Max2(ByVal a As Long, ByVal b As Long) As Long
    If a > b Then
        Max2 = a
    Else
        Max2 = b
    End If
End Function

【相关】
Sub Exit ByVal ByRef End', 5, 100, 4, '');

INSERT INTO [fun] VALUES(184, 21, -1, -1, 'Sub',
'定义没有返回值的过程',
'【语法】
[Public | Private] Sub 名字([参数表])
    语句
End Sub

【说明】
调用 Sub 有两种写法：直接写名字和参数，参数不加括号，如 ShowInfo "完成", 3；或者用 Call 并给参数加括号，如 Call ShowInfo("完成", 3)。
不用 Call 却给多个参数加了括号会报语法错误；只有一个参数时加括号虽然能通过，但括号会让参数变成按值传递。

【示例】
Private Sub ShowInfo(ByVal text As String, ByVal times As Long)
    Dim i As Long
    For i = 1 To times
        Debug.Print text
    Next i
End Sub

【相关】
Function Exit End', 5, 100, 4, '');

INSERT INTO [fun] VALUES(185, 21, -1, -1, 'Dim',
'声明变量并分配存储',
'【语法】
Dim 变量名 [As 类型] [, 变量名 [As 类型]] ...
Dim 数组名(上界) [As 类型]
Dim 数组名(下界 To 上界) [As 类型]

【说明】
每个变量都要单独写 As：Dim a, b As Long 中只有 b 是 Long，a 是 Variant。
数组的下界默认为 0，Dim a(10) 有 11 个元素。动态数组先写 Dim a() As Long，再用 ReDim 指定大小，ReDim Preserve 保留原有内容。
在模块开头写 Option Explicit，可以强制所有变量都必须先声明，拼错的变量名会在编译时被发现。

【示例】
Option Explicit
Dim count As Long, name As String
Dim scores(1 To 50) As Integer

【相关】
As Const Long String', 5, 100, 4, '');

INSERT INTO [fun] VALUES(186, 21, -1, -1, 'As',
'在声明中指出变量、参数或函数返回值的类型',
'【语法】
Dim 变量名 As 类型
Function 名字(参数 As 类型) As 类型

【说明】
类型可以是 Long、Integer、String、Boolean、Byte、Double 等内置类型，也可以是自定义类型和对象类名。省略 As 时类型为 Variant，速度慢且容易隐藏错误。
As Any 只能用在 Declare 的参数中。

【相关】
Dim Declare Any', 5, 100, 4, '');

INSERT INTO [fun] VALUES(187, 21, -1, -1, 'Const',
'声明常数',
'【语法】
[Public | Private] Const 名字 [As 类型] = 值

【说明】
常数在编译时确定，不能再赋值。API 用到的常数一般这样声明，十六进制用 &H 开头，末尾的 & 表示 Long：

【示例】
Private Const MAX_PATH As Long = 260
Private Const WM_CLOSE = &H10
Private Const GENERIC_READ = &H80000000

【限制】
&H8000 这样的十六进制数若不加末尾的 &，会被当成 Integer，值为 -32768；需要 32768 时要写 &H8000&。

【相关】
Dim MAX_PATH', 5, 100, 4, '');

INSERT INTO [fun] VALUES(188, 21, -1, -1, 'ByVal',
'参数按值传递：过程得到的是值的副本',
'【语法】
Sub 名字(ByVal 参数 As 类型)

【说明】
在普通过程中，ByVal 参数的改动不会影响调用者的变量。
在 Declare 中，ByVal 决定传给 DLL 的是值还是地址：C 原型中的 int、DWORD、句柄要用 ByVal；C 中的指针（如 LPDWORD、结构体指针）不加 ByVal。字符串是特例：ByVal s As String 传的是字符串内容的地址，这正是 C 函数要的 char 指针。
调用 As Any 参数时，也可以在实参前临时加 ByVal，如 ByVal 0&。

【相关】
ByRef Declare Any', 5, 100, 4, '');

INSERT INTO [fun] VALUES(189, 21, -1, -1, 'ByRef',
'参数按引用传递：过程直接操作调用者的变量',
'【语法】
Sub 名字(ByRef 参数 As 类型)

【说明】
BASIC 参数的默认方式就是 ByRef，所以平时可以不写。过程中给参数赋值，调用者的变量也跟着改变。
在 Declare 中，ByRef 参数传的是变量的地址，对应 C 中的指针参数，API 通过它把结果写回来，例如 GetComputerName 的 nSize。

【示例】
Private Sub Swap(ByRef a As Long, ByRef b As Long)
    Dim t As Long
    t = a: a = b: b = t
End Sub

【相关】
ByVal GetComputerName', 5, 100, 4, '');

INSERT INTO [fun] VALUES(190, 21, -1, -1, 'Rem',
'注释语句：从 Rem 到行尾都是注释',
'【语法】
Rem 注释文字
'' 注释文字

【说明】
单引号与 Rem 作用相同，而且可以直接写在语句后面；Rem 写在语句后面时前面要加冒号。
Rem 这是一行注释
x = 1 '' 单引号注释可以跟在语句后面
x = 2: Rem 这样也可以

【相关】
Dim', 5, 100, 4, '');

---------------------------------------------------------------- BASIC 流程控制
INSERT INTO [fun] VALUES(200, 22, -1, -1, 'If',
'按条件执行语句',
'【语法】
单行形式：
If 条件 Then 语句 [Else 语句]
块形式：
If 条件 Then
    语句
[ElseIf 条件 Then
    语句]
[Else
    语句]
End If

【说明】
条件为 0 时为假，非 0 为真。
BASIC 的 And 和 Or 不会“短路”：两边的表达式都会计算。If Not obj Is Nothing And obj.Count > 0 Then 在 obj 为 Nothing 时仍会出错，要拆成两个嵌套的 If。

【示例】
If score >= 90 Then
    grade = "优"
ElseIf score >= 60 Then
    grade = "及格"
Else
    grade = "不及格"
End If

【相关】
Then Else ElseIf End', 5, 100, 4, '');

INSERT INTO [fun] VALUES(201, 22, -1, -1, 'Then',
'If 和 ElseIf 语句中条件之后的关键字',
'【语法】
If 条件 Then ...

【说明】
Then 之后直接换行就是块形式的 If，必须以 End If 结束；Then 之后在同一行写语句则是单行形式，不写 End If。

【相关】
If ElseIf', 5, 100, 4, '');

INSERT INTO [fun] VALUES(202, 22, -1, -1, 'Else',
'If 语句中所有条件都不成立时执行的分支',
'【语法】
If 条件 Then
    语句
Else
    语句
End If

【说明】
一个 If 块中最多只能有一个 Else，且必须放在所有 ElseIf 之后。

【相关】
If ElseIf', 5, 100, 4, '');

INSERT INTO [fun] VALUES(203, 22, -1, -1, 'ElseIf',
'If 块中追加的条件分支',
'【语法】
ElseIf 条件 Then

【说明】
按先后次序检查，只执行第一个成立的分支。ElseIf 连在一起写；写成 Else If 会开始一个新的嵌套 If，需要多一个 End If。

【相关】
If Else', 5, 100, 4, '');

INSERT INTO [fun] VALUES(204, 22, -1, -1, 'End',
'结束一个语句块；单独使用时立即结束程序',
'【语法】
End If | End Sub | End Function | End Select | End Type
End

【说明】
与其他关键字连用时标志语句块的结尾。
单独一个 End 会立即终止程序：不触发窗体的 QueryUnload、Unload 事件，也不执行类的 Terminate，打开的文件会被关闭，但其他清理工作都不会做。正常退出应卸载所有窗体，让程序自然结束。

【相关】
If Sub Function Exit', 5, 100, 4, '');

INSERT INTO [fun] VALUES(205, 22, -1, -1, 'For',
'按计数重复执行一段语句',
'【语法】
For 计数变量 = 初值 To 终值 [Step 步长]
    语句
    [Exit For]
Next [计数变量]

【说明】
终值和步长只在进入循环时计算一次。步长为正时计数变量大于终值就结束，为负时小于终值就结束。循环正常结束后，计数变量的值是最后一次的值再加一个步长。
遍历集合中的每个元素用 For Each ... In ... Next。

【示例】
Dim i As Long, total As Long
For i = 1 To 100
    total = total + i
Next i                          '' total = 5050

For i = 10 To 1 Step -2          '' 10 8 6 4 2
    Debug.Print i
Next

【相关】
To Step Next Exit Do', 5, 100, 4, '');

INSERT INTO [fun] VALUES(206, 22, -1, -1, 'To',
'表示范围：For 循环的终值，或数组下标的上界',
'【语法】
For i = 初值 To 终值
Dim a(下界 To 上界)
Case 下限 To 上限

【说明】
在 Select Case 中，Case 1 To 5 匹配 1 到 5 之间的值（包括两端）。

【相关】
For Dim', 5, 100, 4, '');

INSERT INTO [fun] VALUES(207, 22, -1, -1, 'Step',
'For 循环中计数变量每次的增量',
'【语法】
For 计数变量 = 初值 To 终值 Step 步长

【说明】
省略时步长为 1。步长可以是负数（倒着数）或小数；步长为 0 时循环不会结束。用小数作步长时会积累舍入误差，最后一次可能被跳过，最好改用整数计数再换算。

【相关】
For To', 5, 100, 4, '');

INSERT INTO [fun] VALUES(208, 22, -1, -1, 'Next',
'For 循环的结尾，计数变量加上步长后回到开头',
'【语法】
Next [计数变量]

【说明】
Next 后面的变量名可以省略，写上则能让嵌套的循环更容易看清，写错时还会报错。

【相关】
For Step', 5, 100, 4, '');

INSERT INTO [fun] VALUES(209, 22, -1, -1, 'Do',
'在条件成立（或不成立）时重复执行一段语句',
'【语法】
Do [While | Until 条件]
    语句
    [Exit Do]
Loop

Do
    语句
Loop [While | Until 条件]

【说明】
条件写在 Do 后面时先判断后执行，可能一次都不执行；写在 Loop 后面时先执行后判断，至少执行一次。While 是条件成立时继续，Until 是条件成立时停止。

【示例】
Dim line As String
Open "C:\data\list.txt" For Input As #1
Do Until EOF(1)
    Line Input #1, line
    Debug.Print line
Loop
Close #1

【相关】
Loop While Exit For', 5, 100, 4, '');

INSERT INTO [fun] VALUES(210, 22, -1, -1, 'Loop',
'Do 循环的结尾',
'【语法】
Loop [While | Until 条件]

【说明】
不带条件的 Do ... Loop 是无限循环，要在里面用 Exit Do 跳出。

【相关】
Do Exit', 5, 100, 4, '');

INSERT INTO [fun] VALUES(211, 22, -1, -1, 'While',
'循环条件：条件成立时继续循环',
'【语法】
Do While 条件 ... Loop
Do ... Loop While 条件
While 条件 ... Wend

【说明】
While ... Wend 是旧式写法，不能用 Exit 跳出，新代码中用 Do While ... Loop 代替。

【相关】
Do Loop', 5, 100, 4, '');

INSERT INTO [fun] VALUES(212, 22, -1, -1, 'Exit',
'提前跳出循环或过程',
'【语法】
Exit For | Exit Do | Exit Sub | Exit Function

【说明】
Exit For 和 Exit Do 跳到循环之后的语句，嵌套时只跳出最内层。Exit Sub 和 Exit Function 立即从过程返回。

【示例】
For i = 0 To UBound(names)
    If names(i) = target Then
        found = i
        Exit For
    End If
Next i

【相关】
For Do Sub Function', 5, 100, 4, '');

---------------------------------------------------------------- C 预处理与类型定义
INSERT INTO [fun] VALUES(220, 23, -1, -1, '#include',
'把另一个文件（通常是头文件）的内容插入到这里',
'【语法】
#include <头文件>
#include "头文件"

【说明】
尖括号用于标准库和系统的头文件，只在系统的包含目录中查找；双引号用于自己项目的头文件，先在当前源文件所在的目录中查找，找不到再按尖括号的方式查找。
每个头文件都应该有包含保护，防止被重复包含时出现重复定义：

【示例】
/* point.h */
#ifndef POINT_H
#define POINT_H
struct point { int x, y; };
#endif

【相关】
#define #ifdef', 5, 100, 4, '');

INSERT INTO [fun] VALUES(221, 23, -1, -1, '#define',
'定义宏：在编译之前做文本替换',
'【语法】
#define 名字 替换文本
#define 名字(参数表) 替换文本
#undef 名字

【说明】
宏只是文本替换，不懂类型和作用域。带参数的宏要给每个参数和整个替换文本都加上括号，并且要注意参数可能被计算多次。

【示例】
#define BUF_SIZE 4096
#define SQUARE(x) ((x) * (x))

int a = SQUARE(1 + 2);          /* 9；不加括号会展开成 1 + 2 * 1 + 2，得 5 */
int b = SQUARE(i++);            /* 错误：i 被加了两次 */

【限制】
能用 const 变量、enum 或 inline 函数代替的地方，就不要用宏，它们有类型检查，调试时也看得见。

【相关】
#ifdef #include typedef', 5, 100, 4, '');

INSERT INTO [fun] VALUES(222, 23, -1, -1, '#ifdef',
'条件编译：某个宏已定义时才编译其中的代码',
'【语法】
#ifdef 名字
    ...
#elif 条件
    ...
#else
    ...
#endif

【说明】
#ifdef X 等同于 #if defined(X)，#ifndef X 等同于 #if !defined(X)。#if 后面跟常量表达式，可以组合多个条件。
常用于区分平台和编译选项，例如 _WIN32（所有 Windows 编译器都定义，包括 64 位）、__linux__、NDEBUG（定义后 assert 不生效）。

【示例】
#ifdef _WIN32
#include <windows.h>
#define sleep_ms(ms) Sleep(ms)
#else
#include <unistd.h>
#define sleep_ms(ms) usleep((ms) * 1000)
#endif

【相关】
#define #include', 5, 100, 4, '');

INSERT INTO [fun] VALUES(223, 23, -1, -1, 'typedef',
'给已有的类型另起一个名字',
'【语法】
typedef 原类型 新名字;

【说明】
typedef 并不创建新类型，新名字与原类型完全可以互换。常用来简化结构体和函数指针的写法，或者表明用途（如 size_t、pid_t）。

【示例】
typedef struct point {
    int x, y;
} point_t;

typedef int (*compare_fn)(const void *, const void *);
compare_fn cmp = by_value;

【限制】
POSIX 保留了所有以 _t 结尾的名字，自己的类型起名为 xxx_t 在理论上可能与将来的系统头文件冲突。

【相关】
#define size_t', 5, 100, 4, '');

---------------------------------------------------------------- C 语言类型
INSERT INTO [fun] VALUES(230, 25, -1, -1, 'int',
'C 的基本整数类型',
'【说明】
标准只规定 int 至少 16 位；在今天几乎所有的 32 位和 64 位平台上，int 都是 32 位，范围是 -2147483648 到 2147483647（INT_MIN 到 INT_MAX，定义在 limits.h 中）。
有符号整数溢出是未定义行为，编译器可以假定它不会发生而做出意想不到的优化；无符号整数溢出则按模 2 的 n 次方回绕，是有定义的。
需要确定宽度时，使用 stdint.h 中的 int32_t、int64_t、uint8_t 等类型。

【示例】
#include <limits.h>
if (a > INT_MAX - b)           /* 先检查，再相加，避免溢出 */
    return -1;
int sum = a + b;

【相关】
char size_t Long', 3, 100, 2, '');

INSERT INTO [fun] VALUES(231, 25, -1, -1, 'char',
'存放一个字节的类型，也是 C 字符串的元素类型',
'【说明】
sizeof(char) 按定义为 1。char 是否有符号由平台决定：x86 上通常有符号（-128 到 127），ARM 上通常无符号（0 到 255）。存放任意字节数据时用 unsigned char。
一个 char 是一个字节，不是一个“字符”：UTF-8 中一个汉字占 3 个字节，GBK 中占 2 个字节。

【限制】
把 char 直接传给 isdigit 等 ctype 函数，或者拿来和 EOF 比较，都是常见的错误，见 isdigit 和 getchar。

【相关】
int isdigit getchar', 3, 100, 2, '');

INSERT INTO [fun] VALUES(232, 25, -1, -1, 'void',
'“没有类型”：无返回值、无参数，或指向任意对象的指针',
'【说明】
三种用法：
    void f(int x);     函数没有返回值
    int g(void);       函数没有参数（C 中写 int g(); 表示参数未声明，不等于没有参数）
    void *p;           通用指针，可以指向任何对象
void 指针与其他对象指针之间可以隐式转换（C++ 中从 void 指针转出要显式转换），但不能直接解引用，也不能做指针运算。

【相关】
malloc memcpy', 3, 100, 2, '');

INSERT INTO [fun] VALUES(233, 25, 3, 7, 'size_t',
'表示对象大小和数组下标的无符号整数类型',
'【说明】
sizeof 运算的结果类型就是 size_t，strlen、malloc、memcpy、fread 等函数都用它表示长度。它足够表示任何对象的大小：32 位平台上是 32 位，64 位平台上是 64 位。
打印用 %zu。有符号的对应类型在 POSIX 中是 ssize_t，read 和 write 用它返回 -1 表示出错。

【限制】
它是无符号的：for (size_t i = n - 1; i >= 0; i--) 永远不会结束，因为 i 减到 0 再减就变成了最大值。倒着循环可以写成 for (size_t i = n; i-- > 0; )。
和 int 比较或相减时，int 会先被转换成无符号数，负数因此变成很大的正数。

【相关】
strlen malloc int', 3, 100, 2, '');

INSERT INTO [fun] VALUES(234, 25, 10, -1, 'time_t',
'表示日历时间的算术类型',
'【说明】
time 返回这个类型。POSIX 规定它是从 1970-01-01 00:00:00 UTC 起的秒数；今天的系统基本都把它定义为 64 位有符号整数。
32 位的 time_t 会在 2038 年 1 月 19 日溢出，还在使用 32 位 time_t 的旧系统和文件格式需要注意。

【相关】
time localtime difftime', 3, 100, 2, '');

INSERT INTO [fun] VALUES(235, 25, 13, -1, 'pid_t',
'表示进程号的有符号整数类型',
'【说明】
fork、getpid、waitpid 和 kill 用它表示进程号。它是有符号的，因为 fork 失败时返回 -1，kill 还用 0 和负数表示进程组。打印时先转换成 int 或 long。

【相关】
fork getpid kill', 3, 100, 2, '');

INSERT INTO [fun] VALUES(236, 25, 5, -1, 'FILE',
'标准库的文件流对象类型',
'【说明】
程序只通过 FILE 指针使用它，不要直接访问其中的成员，也不要复制 FILE 对象本身。程序开始时有三个已经打开的流：stdin（标准输入）、stdout（标准输出，连到终端时按行缓冲）和 stderr（标准错误，不缓冲）。
一个流内部带有缓冲区、读写位置、文件结尾和错误标志。

【相关】
fopen fclose fread fgets', 3, 100, 2, '');

---------------------------------------------------------------- BASIC 类型
INSERT INTO [fun] VALUES(240, 26, -1, -1, 'Long',
'32 位有符号整数，BASIC 中调用 API 最常用的类型',
'【说明】
范围 -2147483648 到 2147483647，占 4 个字节，类型声明字符是 &。
Win32 中的 int、DWORD、UINT、BOOL、句柄（HWND、HANDLE 等）和 32 位程序中的指针，在 Declare 中都写成 Long。
DWORD 是无符号的，大于 2147483647 的值在 Long 中显示为负数，例如 &HFFFFFFFF 就是 -1。

【示例】
Dim h As Long
Dim n&                          '' 与 Dim n As Long 相同

【相关】
Integer DWORD HANDLE Declare', 3, 100, 2, '');

INSERT INTO [fun] VALUES(241, 26, -1, -1, 'Integer',
'16 位有符号整数',
'【说明】
范围 -32768 到 32767，占 2 个字节，类型声明字符是 %。
它是 16 位系统留下来的类型：C 中的 int 在 Win32 上是 32 位，对应的是 Long 而不是 Integer。在 32 位系统上 Long 的运算也并不比 Integer 慢，计数和下标一般都用 Long，避免溢出。

【限制】
两个 Integer 相乘的结果仍按 Integer 计算：Dim x As Long: x = 300 * 200 会产生溢出错误，要写成 300& * 200。

【相关】
Long Byte', 3, 100, 2, '');

INSERT INTO [fun] VALUES(242, 26, -1, -1, 'String',
'可变长度的字符串',
'【说明】
BASIC 的字符串内部是 Unicode（每个字符 2 字节），并记录长度，所以其中可以包含 Chr$(0)。
传给 Declare 声明的 API 时（ByVal As String），运行库先把它转换成以空字符结尾的 ANSI 字符串，调用结束后再转换回来，所以 API 往里面写结果时，必须事先用 Space$ 或 String$ 分配好长度。
定长字符串写作 Dim s As String * 20。

【示例】
Dim buf As String
buf = String$(MAX_PATH, 0)      '' 准备 260 个字符的缓冲区
n = GetSystemDirectory(buf, MAX_PATH)
buf = Left$(buf, n)

【相关】
GetSystemDirectory ByVal vbCrLf', 3, 100, 2, '');

INSERT INTO [fun] VALUES(243, 26, -1, -1, 'Boolean',
'逻辑值：True 或 False',
'【说明】
占 2 个字节。True 的数值是 -1（所有位都是 1），False 是 0。数值转换成 Boolean 时，0 为 False，其他都是 True。
Win32 的 BOOL 是 32 位整数，非 0 为真，而且不一定是 1 或 -1；在 Declare 中应声明为 Long，判断时写 If r <> 0 Then，不要写 If r = True Then。

【相关】
True False BOOL', 3, 100, 2, '');

INSERT INTO [fun] VALUES(244, 26, -1, -1, 'Byte',
'8 位无符号整数，常用于字节数组',
'【说明】
范围 0 到 255，占 1 个字节。Byte 数组是在 BASIC 中处理二进制数据的正确方式：它不会像 String 那样被做编码转换。
把 Byte 数组传给 API 的缓冲区参数时，传第一个元素（按引用），API 得到的就是数组数据的地址。

【示例】
Private Declare Function ReadFile Lib "kernel32" (ByVal hFile As Long, lpBuffer As Any, ByVal nNumberOfBytesToRead As Long, lpNumberOfBytesRead As Long, ByVal lpOverlapped As Long) As Long

Dim data() As Byte, got As Long
ReDim data(0 To 1023)
ReadFile h, data(0), 1024, got, 0   '' 传第一个元素，即缓冲区的地址

【相关】
Integer String', 3, 100, 2, '');

INSERT INTO [fun] VALUES(245, 26, -1, -1, 'Double',
'64 位双精度浮点数',
'【说明】
约 15 到 16 位有效数字，与 C 的 double 相同，类型声明字符是 #。
十进制小数大多不能精确表示，0.1 + 0.2 并不精确等于 0.3；金额计算用 Currency，它是放大 10000 倍的 64 位整数。

【相关】
Currency Long', 3, 100, 2, '');

INSERT INTO [fun] VALUES(246, 26, -1, -1, 'Currency',
'64 位定点数，固定 4 位小数',
'【说明】
内部是把数值乘以 10000 后存成的 64 位整数，范围约为正负 922337203685477，计算金额不会有二进制舍入误差，类型声明字符是 @。
因为它正好占 8 个字节，调用需要 64 位整数（LARGE_INTEGER）的 API 时常借它来接收结果，见 QueryPerformanceCounter。

【相关】
Double QueryPerformanceCounter', 3, 100, 2, '');

INSERT INTO [fun] VALUES(247, 26, -1, -1, 'Any',
'Declare 参数的“任意类型”，关闭类型检查',
'【说明】
只能用在 Declare 语句的参数中。As Any 参数可以接收任何类型的实参：默认传地址，实参前加 ByVal 则传值。SendMessage 的 lParam 就声明为 As Any，因为不同的消息需要不同类型的参数。
类型检查关闭了，传错了也不会有编译错误，写调用时要格外小心。

【示例】
SendMessage hWnd, WM_SETTEXT, 0, ByVal "标题"   '' 传字符串
SendMessage hWnd, WM_CLOSE, 0, ByVal 0&          '' 传数值 0

【相关】
ByVal SendMessage Declare', 3, 100, 2, '');

---------------------------------------------------------------- Win32 类型
INSERT INTO [fun] VALUES(250, 27, -1, -1, 'DWORD',
'Win32 的 32 位无符号整数',
'【说明】
C 中定义为 unsigned long，Windows 上 long 是 32 位，所以范围是 0 到 4294967295。BASIC 中声明为 Long，超过 2147483647 的值显示为负数。
相关的类型：WORD 为 16 位无符号数，BYTE 为 8 位，LPDWORD 是指向 DWORD 的指针（BASIC 中按引用传一个 Long）。

【相关】
Long HANDLE BOOL', 3, 100, 2, '');

INSERT INTO [fun] VALUES(251, 27, -1, -1, 'HANDLE',
'内核对象（文件、进程、线程、事件……）的句柄',
'【说明】
句柄是系统交给程序的一个不透明的值，只能原样交回给 API 使用。C 中是指针宽度的类型，32 位程序中占 4 个字节，BASIC 中声明为 Long。
用完要 CloseHandle。注意不同的 API 失败时返回不同的值：CreateFile 返回 INVALID_HANDLE_VALUE（-1），而 CreateEvent、OpenProcess 等返回 NULL（0）。

【相关】
CloseHandle CreateFile INVALID_HANDLE_VALUE HWND', 3, 100, 2, '');

INSERT INTO [fun] VALUES(252, 27, -1, -1, 'HWND',
'窗口句柄',
'【说明】
每个窗口和控件都有一个 HWND。BASIC 中窗体和大多数控件的 hWnd 属性就是它。窗口句柄不是内核对象，不用 CloseHandle；窗口由 DestroyWindow 销毁，销毁后句柄值可能被新窗口重用。

【相关】
FindWindow SendMessage HANDLE', 3, 100, 2, '');

INSERT INTO [fun] VALUES(253, 27, -1, -1, 'BOOL',
'Win32 的逻辑值：32 位整数，0 为假，非 0 为真',
'【说明】
C 中定义为 int，TRUE 为 1，FALSE 为 0，但 API 返回的“真”不一定正好是 1，应该写 if (r) 或 if (r != FALSE)，不要写 if (r == TRUE)。
在 BASIC 中声明为 Long 而不是 Boolean，两者的大小和 True 的值都不同。

【相关】
Boolean DWORD', 3, 100, 2, '');

---------------------------------------------------------------- C 标准库常数
INSERT INTO [fun] VALUES(260, 29, -1, -1, 'NULL',
'空指针常数',
'【说明】
定义在 stddef.h、stdio.h、stdlib.h、string.h 等头文件中，值为 0 或 ((void *)0)。表示“不指向任何对象”：malloc 失败、fopen 失败、strchr 找不到时都返回 NULL。
解引用空指针是未定义行为，通常会使程序崩溃。C++11 和 C23 有专门的 nullptr。

【示例】
char *p = strchr(s, 58);       /* 58 是冒号 */
if (p != NULL)
    *p = 0;

【相关】
malloc fopen', 4, 100, 3, '');

INSERT INTO [fun] VALUES(261, 29, 5, -1, 'EOF',
'表示文件结尾或出错的负整数常数',
'【说明】
定义在 stdio.h 中，是一个负的 int，几乎所有实现中都是 -1。getchar、fgetc 等到达文件结尾或出错时返回它，fputs、fclose 等出错时也返回它。
返回 EOF 以后，用 feof(fp) 和 ferror(fp) 区分是到了结尾还是出了错。

【限制】
不要写 while (!feof(fp)) 来控制读循环：feof 只在一次读取失败之后才为真，这样最后一次读到的内容会被处理两次。应以读函数的返回值作为循环条件。

【相关】
getchar fgets fclose', 4, 100, 3, '');

INSERT INTO [fun] VALUES(262, 29, -1, -1, 'EXIT_SUCCESS',
'表示程序成功结束的退出码',
'【说明】
定义在 stdlib.h 中，与 exit 或 main 的 return 一起使用。在所有常见平台上值为 0，exit(0) 与 exit(EXIT_SUCCESS) 含义相同。

【相关】
EXIT_FAILURE exit', 4, 100, 3, '');

INSERT INTO [fun] VALUES(263, 29, -1, -1, 'EXIT_FAILURE',
'表示程序失败结束的退出码',
'【说明】
定义在 stdlib.h 中，在常见平台上值为 1。shell 脚本中 $? 或 Windows 批处理中的 %ERRORLEVEL% 能看到它，非 0 即表示失败。
需要区分多种失败时，自己约定 1 到 125 之间的其他值；126 以上在 shell 中有特殊含义。

【相关】
EXIT_SUCCESS exit', 4, 100, 3, '');

INSERT INTO [fun] VALUES(264, 29, 5, -1, 'SEEK_SET',
'fseek 和 lseek 的起点：文件开头',
'【说明】
定义在 stdio.h（以及 POSIX 的 unistd.h）中，值通常为 0。此时偏移量就是从文件开头算起的绝对位置，必须不小于 0。

【相关】
SEEK_CUR SEEK_END fseek lseek', 4, 100, 3, '');

INSERT INTO [fun] VALUES(265, 29, 5, -1, 'SEEK_CUR',
'fseek 和 lseek 的起点：当前位置',
'【说明】
值通常为 1。偏移量为正时向后移，为负时向前移。lseek(fd, 0, SEEK_CUR) 是取得当前位置的常用写法。

【相关】
SEEK_SET SEEK_END fseek', 4, 100, 3, '');

INSERT INTO [fun] VALUES(266, 29, 5, -1, 'SEEK_END',
'fseek 和 lseek 的起点：文件末尾',
'【说明】
值通常为 2。偏移量 0 就是文件末尾，配合 ftell 可以求文件大小。用 lseek 移到末尾之后再写，会在中间留下“空洞”，读出来都是 0。

【相关】
SEEK_SET SEEK_CUR ftell', 4, 100, 3, '');

INSERT INTO [fun] VALUES(267, 29, -1, -1, 'RAND_MAX',
'rand 可能返回的最大值',
'【说明】
定义在 stdlib.h 中，标准要求至少为 32767。glibc 中为 2147483647，而 Visual C++ 中正好是 32767，所以在 Windows 上 rand() % 100000 永远到不了 32767 以上。
得到 0 到 1 之间的小数：rand() / (RAND_MAX + 1.0)。

【相关】
rand srand', 4, 100, 3, '');

INSERT INTO [fun] VALUES(268, 29, 10, -1, 'CLOCKS_PER_SEC',
'clock 返回值每秒的滴答数',
'【说明】
定义在 time.h 中。POSIX 要求它等于 1000000，而 Visual C++ 中是 1000。把 clock 的差值换算成秒要先转换成 double 再除，否则整数除法会丢掉小数。

【相关】
clock', 4, 100, 3, '');

---------------------------------------------------------------- POSIX 常数
INSERT INTO [fun] VALUES(270, 30, -1, -1, 'O_RDONLY',
'open 的访问方式：只读',
'【说明】
定义在 fcntl.h 中。O_RDONLY、O_WRONLY、O_RDWR 三者必选其一，在 Linux 上值分别是 0、1、2。正因为 O_RDONLY 是 0，不能用 (flags & O_RDONLY) 判断是否只读，要写 (flags & O_ACCMODE) == O_RDONLY。

【相关】
O_WRONLY O_RDWR open', 4, 100, 3, '');

INSERT INTO [fun] VALUES(271, 30, -1, -1, 'O_WRONLY',
'open 的访问方式：只写',
'【说明】
通常与 O_CREAT、O_TRUNC 或 O_APPEND 组合使用：
    O_WRONLY | O_CREAT | O_TRUNC    创建或清空，相当于 fopen 的 "w"
    O_WRONLY | O_CREAT | O_APPEND   追加，相当于 fopen 的 "a"

【相关】
O_RDONLY O_CREAT open', 4, 100, 3, '');

INSERT INTO [fun] VALUES(272, 30, -1, -1, 'O_RDWR',
'open 的访问方式：读写',
'【说明】
同一个描述符既能读也能写，共享同一个读写位置。

【相关】
O_RDONLY O_WRONLY open', 4, 100, 3, '');

INSERT INTO [fun] VALUES(273, 30, -1, -1, 'O_CREAT',
'open 的标志：文件不存在时创建',
'【说明】
用了 O_CREAT 就必须给出 open 的第三个参数 mode，否则新文件的权限是随机的。与 O_EXCL 一起使用时，文件已存在则失败，“检查是否存在”和“创建”成为一个不可分割的操作，适合做锁文件。

【示例】
int fd = open("app.lock", O_WRONLY | O_CREAT | O_EXCL, 0600);
if (fd == -1 && errno == EEXIST)
    puts("已有一个实例在运行");

【相关】
open O_WRONLY', 4, 100, 3, '');

INSERT INTO [fun] VALUES(274, 30, -1, -1, 'STDIN_FILENO',
'标准输入的文件描述符 0',
'【说明】
定义在 unistd.h 中：STDIN_FILENO 为 0，STDOUT_FILENO 为 1，STDERR_FILENO 为 2。它们与 stdin、stdout、stderr 三个 FILE 流对应同一个打开的文件，但 FILE 有自己的缓冲区，混用 write 和 printf 时输出次序可能错乱。

【相关】
STDOUT_FILENO dup2 read', 4, 100, 3, '');

INSERT INTO [fun] VALUES(275, 30, -1, -1, 'STDOUT_FILENO',
'标准输出的文件描述符 1',
'【说明】
重定向子进程的输出时，在 fork 之后用 dup2(fd, STDOUT_FILENO)，再 exec。

【相关】
STDIN_FILENO dup2 write', 4, 100, 3, '');

INSERT INTO [fun] VALUES(276, 30, -1, -1, 'SIGTERM',
'请求进程结束的信号',
'【说明】
定义在 signal.h 中，在 Linux 上值为 15，是 kill 命令默认发送的信号。程序可以捕获它，先保存数据、清理临时文件再退出。
在信号处理函数中只应设置一个 volatile sig_atomic_t 类型的标志，由主循环检查后退出；在处理函数中调用 printf、malloc 等非异步信号安全的函数是不安全的。

【相关】
SIGKILL kill', 4, 100, 3, '');

INSERT INTO [fun] VALUES(277, 30, -1, -1, 'SIGKILL',
'强制结束进程的信号，不能捕获或忽略',
'【说明】
在 Linux 上值为 9。进程收到后立即被系统结束，没有机会清理，缓冲区中未写出的数据会丢失。只在 SIGTERM 无效时使用。

【相关】
SIGTERM kill', 4, 100, 3, '');

---------------------------------------------------------------- Win32 常数
INSERT INTO [fun] VALUES(280, 31, 19, -1, 'INVALID_HANDLE_VALUE',
'CreateFile 等函数失败时返回的句柄值 -1',
'【说明】
值为 -1（C 中是 (HANDLE)(LONG_PTR)-1）。CreateFile、FindFirstFile、CreateToolhelp32Snapshot 等失败时返回它，而不是 0，判断时很容易弄错。

【示例】
Private Const INVALID_HANDLE_VALUE = -1

【相关】
CreateFile HANDLE', 4, 100, 3, '');

INSERT INTO [fun] VALUES(281, 31, -1, -1, 'MAX_PATH',
'传统 Win32 路径的最大长度 260',
'【说明】
260 个字符，包括盘符、冒号、反斜杠和结尾的空字符。准备路径缓冲区时常用这个大小。
较新的系统在 W 版本的函数中允许用 \\?\ 前缀或在清单中声明后使用更长的路径，但 A 版本的函数和许多程序仍受此限制。

【示例】
Private Const MAX_PATH As Long = 260

【相关】
GetSystemDirectory GetModuleFileName', 4, 100, 3, '');

INSERT INTO [fun] VALUES(282, 31, -1, -1, 'INFINITE',
'等待函数的超时值：永远等待',
'【说明】
值为 &HFFFFFFFF，在 BASIC 中就是 -1。用于 Sleep、WaitForSingleObject 等函数的超时参数。

【示例】
Private Const INFINITE = &HFFFFFFFF

【相关】
Sleep', 4, 100, 3, '');

INSERT INTO [fun] VALUES(283, 31, 18, -1, 'WM_CLOSE',
'请求关闭窗口的消息',
'【说明】
值为 &H10。窗口收到后默认调用 DestroyWindow；程序可以处理它，询问用户是否保存，再决定是否关闭（BASIC 中对应 QueryUnload 事件）。
让别的程序的窗口关闭时应向它发送 WM_CLOSE，给它正常退出的机会。

【示例】
Private Const WM_CLOSE = &H10
PostMessage hWnd, WM_CLOSE, 0, 0

【相关】
PostMessage SendMessage', 4, 100, 3, '');

INSERT INTO [fun] VALUES(284, 31, 18, -1, 'WM_SETTEXT',
'设置窗口文字的消息',
'【说明】
值为 &HC。wParam 不用，传 0；lParam 是指向以空字符结尾的字符串的指针。读取文字的对应消息是 WM_GETTEXT（&HD）。

【示例】
Private Const WM_SETTEXT = &HC
SendMessage hEdit, WM_SETTEXT, 0, ByVal "Hello"

【相关】
SendMessage SetWindowText', 4, 100, 3, '');

INSERT INTO [fun] VALUES(285, 31, 19, -1, 'GENERIC_READ',
'CreateFile 的访问权限：读',
'【说明】
值为 &H80000000。需要读写时与 GENERIC_WRITE 用 Or 组合。

【示例】
Private Const GENERIC_READ = &H80000000

【相关】
GENERIC_WRITE CreateFile', 4, 100, 3, '');

INSERT INTO [fun] VALUES(286, 31, 19, -1, 'GENERIC_WRITE',
'CreateFile 的访问权限：写',
'【说明】
值为 &H40000000。

【示例】
Private Const GENERIC_WRITE = &H40000000

【相关】
GENERIC_READ CreateFile', 4, 100, 3, '');

INSERT INTO [fun] VALUES(287, 31, 19, -1, 'FILE_SHARE_READ',
'CreateFile 的共享方式：允许别人同时读',
'【说明】
值为 1。FILE_SHARE_WRITE 为 2，FILE_SHARE_DELETE 为 4。共享方式为 0 时，文件在关闭之前别人都打不开，日志文件一般至少允许 FILE_SHARE_READ，方便同时查看。

【示例】
Private Const FILE_SHARE_READ = 1

【相关】
CreateFile', 4, 100, 3, '');

INSERT INTO [fun] VALUES(288, 31, 19, -1, 'OPEN_EXISTING',
'CreateFile 的创建方式：只打开已存在的文件',
'【说明】
值为 3。其他方式：CREATE_NEW 为 1，CREATE_ALWAYS 为 2，OPEN_ALWAYS 为 4，TRUNCATE_EXISTING 为 5。打开设备、管道和读取已有文件时用 OPEN_EXISTING。

【示例】
Private Const OPEN_EXISTING = 3

【相关】
CreateFile', 4, 100, 3, '');

---------------------------------------------------------------- 消息框常数
INSERT INTO [fun] VALUES(290, 32, 18, -1, 'MB_OK',
'消息框只有一个“确定”按钮',
'【说明】
值为 0。MessageBox 的 wType 由三部分用 Or 组合：按钮（MB_OK 0、MB_OKCANCEL 1、MB_YESNOCANCEL 3、MB_YESNO 4），图标（MB_ICONSTOP &H10、MB_ICONQUESTION &H20、MB_ICONEXCLAMATION &H30、MB_ICONINFORMATION &H40），默认按钮（MB_DEFBUTTON2 &H100 表示第二个按钮为默认）。

【示例】
Private Const MB_OK = 0
MessageBox Me.hWnd, "保存完成", "提示", MB_OK

【相关】
MessageBox MB_YESNO MB_ICONQUESTION', 4, 100, 3, '');

INSERT INTO [fun] VALUES(291, 32, -1, -1, 'MB_YESNO',
'消息框带“是”和“否”两个按钮',
'【说明】
值为 4。用户点“是”返回 IDYES，点“否”返回 IDNO。这种消息框没有关闭按钮，也不能用 Esc 关闭。
询问会造成损失的操作（删除、覆盖）时，加上 MB_DEFBUTTON2，让“否”成为默认按钮，防止用户顺手按回车。

【示例】
Private Const MB_YESNO = 4
Private Const MB_DEFBUTTON2 = &H100

【相关】
IDYES IDNO MB_OK', 4, 100, 3, '');

INSERT INTO [fun] VALUES(292, 32, -1, -1, 'MB_ICONQUESTION',
'消息框显示问号图标',
'【说明】
值为 &H20。与按钮组合使用，如 MB_YESNO Or MB_ICONQUESTION。

【示例】
Private Const MB_ICONQUESTION = &H20

【相关】
MB_OK MessageBox', 4, 100, 3, '');

INSERT INTO [fun] VALUES(293, 32, -1, -1, 'IDYES',
'MessageBox 的返回值：用户点了“是”',
'【说明】
值为 6。其他返回值：IDOK 1、IDCANCEL 2、IDABORT 3、IDRETRY 4、IDIGNORE 5、IDNO 7。

【示例】
Private Const IDYES = 6

【相关】
IDNO MB_YESNO MessageBox', 4, 100, 3, '');

INSERT INTO [fun] VALUES(294, 32, -1, -1, 'IDNO',
'MessageBox 的返回值：用户点了“否”',
'【说明】
值为 7。

【示例】
Private Const IDNO = 7

【相关】
IDYES MB_YESNO', 4, 100, 3, '');

---------------------------------------------------------------- BASIC 常数
INSERT INTO [fun] VALUES(300, 33, -1, -1, 'True',
'逻辑真，数值为 -1',
'【说明】
True 的所有二进制位都是 1，所以数值是 -1，Not True 等于 False。把 True 赋给数值变量得到 -1，这和 C 中真为 1 的习惯不同，与 API 交换数据时要注意。

【相关】
False Boolean', 4, 100, 3, '');

INSERT INTO [fun] VALUES(301, 33, -1, -1, 'False',
'逻辑假，数值为 0',
'【说明】
新声明的 Boolean 变量初值就是 False。

【相关】
True Boolean', 4, 100, 3, '');

INSERT INTO [fun] VALUES(302, 33, -1, -1, 'vbCrLf',
'回车加换行两个字符，Windows 文本的换行符',
'【说明】
等于 Chr$(13) & Chr$(10)。只要换行符 LF 时用 vbLf，只要回车用 vbCr。在消息框和多行文本框中换行都用 vbCrLf。

【示例】
MsgBox "第一行" & vbCrLf & "第二行"

【相关】
vbNullString String', 4, 100, 3, '');

INSERT INTO [fun] VALUES(303, 33, -1, -1, 'vbNullString',
'空指针字符串，传给 API 时是 NULL',
'【说明】
vbNullString 的长度为 0，在 BASIC 中与 "" 比较相等，但传给 Declare 声明的 API 时，传过去的是空指针 NULL，而 "" 传过去的是一个指向空字符的有效指针。许多 API（如 FindWindow）用 NULL 表示“不限制”，这时必须用 vbNullString。

【相关】
FindWindow String', 4, 100, 3, '');

---------------------------------------------------------------- 代码笔记
INSERT INTO [fun] VALUES(310, 34, -1, -1, '测量代码的运行时间',
'BASIC 和 C 中测量一段代码耗时的几种方法及其精度',
'【目的】
比较两种写法哪个更快，或者找出程序中慢的地方。

【说明】
先弄清要量的是哪一种时间：
    经过的时间（墙上时间）：包括等待磁盘、网络和其他程序占用处理器的时间，用户感受到的就是它。
    处理器时间：程序自己真正在处理器上运行的时间，C 的 clock 量的是它（Windows 上除外）。
常用的计时方法：
    GetTickCount               毫秒，精度约 10 到 16 毫秒
    QueryPerformanceCounter    微秒以下，Windows 上测短时间的首选
    clock_gettime              POSIX，用 CLOCK_MONOTONIC，不受调整系统时间的影响
    time                       秒，只适合很长的任务

【示例】
'' BASIC：用高精度计数器
Dim freq As Currency, t0 As Currency, t1 As Currency
QueryPerformanceFrequency freq
QueryPerformanceCounter t0
For i = 1 To 100000
    s = s & "x"
Next i
QueryPerformanceCounter t1
Debug.Print "用时 " & (t1 - t0) / freq * 1000 & " 毫秒"

/* C：POSIX 的单调时钟 */
struct timespec a, b;
clock_gettime(CLOCK_MONOTONIC, &a);
work();
clock_gettime(CLOCK_MONOTONIC, &b);
double ms = (b.tv_sec - a.tv_sec) * 1e3 + (b.tv_nsec - a.tv_nsec) / 1e6;

【限制】
一次测量的结果受缓存、其他程序和处理器频率变化的影响很大。把要测的代码重复多次，多测几轮，取最小值或中位数，结果才有参考价值。用调试版测出的速度也不能代表发布版。

【相关】
GetTickCount QueryPerformanceCounter clock time', 0, 100, 0, '');

INSERT INTO [fun] VALUES(311, 34, -1, -1, '判断机器的字节序',
'大端与小端的区别，怎样在运行时判断，以及怎样写出与字节序无关的代码',
'【说明】
多字节整数在内存中的存放次序叫字节序。0x12345678 这个 32 位整数：
    小端（x86、x64、绝大多数 ARM 系统）：78 56 34 12，低位字节在低地址
    大端（网络字节序、部分老式处理器）：12 34 56 78，高位字节在低地址
网络协议一律使用大端，所以端口号和地址要用 htons、htonl 转换，收到后用 ntohs、ntohl 转回来。

【示例】
int is_little_endian(void)
{
    unsigned int x = 1;
    return *(unsigned char *)&x == 1;
}

/* 与字节序无关的读法：按字节拼出一个大端的 32 位数 */
uint32_t read_be32(const unsigned char *p)
{
    return ((uint32_t)p[0] << 24) | ((uint32_t)p[1] << 16) |
           ((uint32_t)p[2] << 8) | (uint32_t)p[3];
}

【说明】
第二种写法在任何机器上结果都一样，不需要先判断字节序，是处理文件格式和网络协议时推荐的做法。

【相关】
fwrite bind', 0, 100, 0, '');

INSERT INTO [fun] VALUES(312, 34, 3, -1, '安全地复制和拼接字符串',
'C 中复制字符串的几种写法各有什么陷阱，推荐怎样写',
'【目的】
避免缓冲区溢出和忘记结尾空字符这两类最常见的字符串错误。

【说明】
    strcpy、strcat    不检查目标大小，源太长就溢出
    strncpy           源太长时不补空字符；源太短时把剩余空间全填成 0
    strncat           第三个参数是“最多追加几个字节”，不是目标的大小，容易用错
    snprintf          总会以空字符结尾，返回值还能告诉你是否截断，推荐
已知长度时直接用 memcpy 最快，也最清楚。

【示例】
char path[256];
int n = snprintf(path, sizeof path, "%s/%s", dir, file);
if (n < 0 || (size_t)n >= sizeof path) {
    fprintf(stderr, "路径太长\n");
    return -1;
}

【限制】
截断本身也可能是错误：被截短的文件名可能指向另一个文件。所以要检查是否截断，而不是只求不溢出。

【相关】
strcpy strncpy strcat snprintf memcpy', 0, 100, 0, '');

INSERT INTO [fun] VALUES(313, 34, -1, -1, '把整个文件读进内存',
'用标准 C 把一个文件完整读入一块内存，并处理各种出错情况',
'【目的】
处理配置文件、小型数据文件时，一次读进内存往往比逐行读更简单。

【示例】
char *read_file(const char *path, size_t *size)
{
    FILE *fp = fopen(path, "rb");
    if (fp == NULL)
        return NULL;
    char *data = NULL;
    size_t len = 0, cap = 0, got;
    do {
        if (len == cap) {
            cap = cap ? cap * 2 : 4096;
            char *p = realloc(data, cap + 1);
            if (p == NULL) {
                free(data);
                fclose(fp);
                return NULL;
            }
            data = p;
        }
        got = fread(data + len, 1, cap - len, fp);
        len += got;
    } while (got > 0);
    int failed = ferror(fp);
    fclose(fp);
    if (failed) {
        free(data);
        return NULL;
    }
    data[len] = 0;             /* 多留一个字节，可以当字符串用 */
    *size = len;
    return data;
}

【说明】
这里没有用 fseek 加 ftell 先求文件大小：那种做法对管道和正在增长的文件不适用，文本方式下的 ftell 也不一定是字节数。边读边扩大缓冲区的写法对任何输入都正确。
用 rb 方式打开，读到的就是文件的原始字节。

【相关】
fopen fread realloc ferror fclose', 0, 100, 0, '');

INSERT INTO [fun] VALUES(314, 34, 16, 21, '在 BASIC 中调用 API 的要点',
'写 Declare 声明和调用 Win32 API 时最容易出错的几件事',
'【目的】
把 C 原型正确地翻译成 BASIC 的 Declare 声明，并正确调用。

【说明】
1. 类型对照：int、DWORD、UINT、BOOL、HWND、HANDLE 以及各种指针，在 32 位程序中都是 4 个字节，写 As Long；WORD、short 写 As Integer；BYTE 写 As Byte。
2. 按值还是按引用：C 中不是指针的参数加 ByVal；指针参数（LPDWORD、结构体指针）不加，按引用传一个变量或自定义类型；字符串指针写 ByVal ... As String。
3. 字符串：有 A、W 两个版本的函数要用 Alias 指定 A 版本。API 要往字符串里写结果时，先用 Space$ 或 String$ 分配足够的长度，调用后按返回的长度用 Left$ 截取。
4. NULL：不需要的字符串参数传 vbNullString，不需要的指针参数声明成 ByVal As Long 并传 0&。
5. 错误码：失败后立刻读 Err.LastDllError，不要声明和调用 GetLastError。
6. 返回值：BOOL 用 <> 0 判断，不要和 True 比较；句柄要看清楚失败时是 0 还是 INVALID_HANDLE_VALUE。

【示例】
Private Declare Function GetWindowText Lib "user32" Alias "GetWindowTextA" (ByVal hWnd As Long, ByVal lpString As String, ByVal cch As Long) As Long

Dim title As String, n As Long
title = Space$(256)
n = GetWindowText(Me.hWnd, title, Len(title))
title = Left$(title, n)

【限制】
以上说的是 32 位的 BASIC。64 位的 VBA 中句柄和指针要声明为 LongPtr，Declare 要加 PtrSafe。

【相关】
Declare ByVal ByRef Alias Long String vbNullString GetLastError', 0, 50, 0, '');

-- [img]: the bytes come from resources/starter/images/ (filled in by init).
INSERT INTO [img] ([文件名],[资料ID],[数据]) VALUES('diagram.png', 2, NULL);
INSERT INTO [img] ([文件名],[资料ID],[数据]) VALUES('tcp_flow.png', 149, NULL);

-- Entry pages break lines at CR LF.
UPDATE [fun] SET [注解] = replace(replace([注解], char(13), ''), char(10), char(13) || char(10));
