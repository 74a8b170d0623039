// Terms after "所述" must have a basis earlier in the claim or in four generations of ancestors.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "CheckCommand.h"
#include "checks/AntecedentBasis.h"
#include "checks/further/AntecedentBasisReview.h"
#include "claims/ClaimRecord.h"
#include "report/FindingTexts.h"
#include "support/TestText.h"

namespace {

TEST(AntecedentBasis, ExtractTerm) {
  // clang-format off
  const std::pair<std::string, std::string> cases[] = {
      {"连接杆固定在", "连接"}, {"弹簧(3)的一端", "弹簧(3)"}, {"弹簧组件(A-1)的", "弹簧组件(A-1)"},
      {"弹簧(a_b.c)", "弹簧(a_b.c)"}, {"弹簧(3)(4)", "弹簧(3)"}, {"(弹簧)的", "(弹簧)"},
      {"一二三四五六七八九(1)", "一二三四五六七八九(1)"}, {"一二三四五六七八九十(1)", ""},
      {"的杆", ""}, {"A杆", ""}, {"杆，", ""}, {"弹包括", ""}, {"弹簧包含", "弹簧"},
      {"弹簧(3", ""}, {"弹簧(A+B)", ""}, {"弹簧(包括)", ""}, {"(3)", ""}, {"", ""},
      {"裝置", ""}, {"弹簧裝置", "弹簧"},
  };
  // clang-format on
  for (const auto& [text, term] : cases) EXPECT_EQ(Utf8(ExtractTerm(Gbk(text), 0)), term) << text;
  EXPECT_EQ(Utf8(ExtractTerm(Gbk("所述底座上"), 4)), "底座");
  EXPECT_EQ(ExtractTerm(Gbk("弹簧") + "\xB0", 0), Gbk("弹簧"));
  EXPECT_EQ(ExtractTerm("\xB5\xAF\xBB", 0), "");
}

TEST(AntecedentBasis, CountHanziAndNothingToSearch) {
  EXPECT_EQ(CountHanzi(Gbk("一种A，裝(置)")), 3);
  g_claims.Empty();
  for (int claim : {0, -1}) EXPECT_TRUE(HasAntecedent(Gbk("弹簧"), 0, claim));
  EXPECT_TRUE(HasAntecedent("", 0, 0));
}

// The last claim of each case reads "<n>.根据权利要求<refs>所述的装置，<rest>", bracketed as the
// analysis should bracket it (a check takes every bracket out first). Which texts are searched
// for a term is checked against a reference elsewhere; these are the rules of whole claims.
struct BasisCase {
  std::vector<std::string> before;  // the claims before it, UTF-8
  std::string refs, rest;
};

TEST(AntecedentBasis, WhereTermsAreLookedFor) {
  auto c = [](int number, std::string_view refs = "") { return CleanClaim(number, refs); };
  const std::string one = c(1), shellOne = "1.一种装置，包括壳体，其特征在于，包括A。";
  const std::string shell = "其特征在于，所述壳体为圆形。";
  // clang-format off
  const BasisCase cases[] = {
      // four generations up, and five
      {{shellOne, c(2, "1"), c(3, "2"), c(4, "3")}, "4", shell},
      {{shellOne, c(2, "1"), c(3, "2"), c(4, "3"), c(5, "4"), c(6, "4")}, "6",
       "其特征在于，【所述】壳体为圆形。"},
      // only after the characterising phrase, not in a claim marked "多引多"
      {{one}, "1", "包括所述弹簧。"}, {{one, c(2, "1"), c(3, "1或2")}, "1或3", shell},
      // a claim that is its own parent holds the term after its "所述"
      {{one}, "2", shell}, {{one}, "1", "其特征在于，包括A，所述"},
      // no term runs across a bracket of a claim checked before: "【所述】连接" holds no "述连"
      {{one, "2.根据权利要求1所述的装置，其特征在于，所述连接为圆形。"}, "2",
       "其特征在于，【所述】述连为圆形。"},
      {{one, "2.根据权利要求1所述的装置，其特征在于，所述连接、所述述连。"}, "2",
       "其特征在于，所述述连为圆形。"},
  };
  // clang-format on
  for (const BasisCase& k : cases) {
    std::vector<std::string> claims = k.before;
    claims.push_back(std::to_string(claims.size() + 1) + ".根据权利要求" + k.refs + "所述的装置，" +
                     k.rest);
    SCOPED_TRACE(claims.back());
    Check(GbkParagraphs(claims));
    EXPECT_EQ(TextOf(g_claims.Count() - 1), claims.back());
  }
}

// The review's antecedent basis: where a term's name ends, where its basis is sought, and the
// severity it gives the report's own antecedent marks.

// The antecedent-basis marks of the last claim, and the severities of its antecedent marks.
std::string ReviewOfLast(const std::vector<std::string>& claims) {
  const CheckOutcome outcome = RunCheck(GbkParagraphs(claims), {.review = true});
  if (outcome.result.claims.empty()) return "no claim";
  std::string shown;
  for (const Finding& f : outcome.result.claims.back().findings) {
    if (f.code == FindingCode::kAntecedentBasis) shown += Utf8(MarkOf(f));
    if (f.code == FindingCode::kAntecedent) {
      shown += Utf8(MarkOf(f)) + std::string(SeverityName(f.severity));
    }
  }
  return shown;
}

TEST(AntecedentBasisReview, TermEndsAtPunctuationFunctionWordsVerbsAndSigns) {
  const std::pair<std::string, std::string> cases[] = {
      {"所述液压孔通过导通孔(20)连通", "液压孔"},
      {"所述梯带绳连接件与横杆", "梯带绳连接件"},
      {"所述进料口(12)的一端", "进料口(12)"},
      {"所述底座上设有", "底座"}, {"所述第一侧板为", "第一侧板"},
      {"所述故障编号，", "故障编号"}, {"所述杆，", ""}, {"所述在内腔升温", ""},
      // a verb of what the thing does closes a clause before "的", and nowhere else; a participle
      {"所述MAF传感器测量的流量", "MAF传感器"}, {"所述AoA测量请求的", "AoA测量请求"},
      {"所述检测模块的", "检测模块"}, {"所述经预处理的材料", ""}, {"所述经编机的", "经编机"},
      // a coverb, a count before a word of place, "反应", "第二条件"
      {"所述滑块适于滑动", "滑块"}, {"所述翅片沿周向", "翅片"}, {"所述基座一侧", "基座"},
      {"所述壳体两内侧面", "壳体"}, {"所述骤一中加入", "骤一"}, {"所述方案二后", "方案二"},
      {"所述脱水反应釜中", "脱水反应釜"}, {"所述第二条件时，", "第二条件"},
      // what the thing has, or does "具体"
      {"所述获取模块具体用于", "获取模块"}, {"所述壳体具有凹槽", "壳体"},
      {"所述弹性体制品呈带条", "弹性体制品"},
      // a verb of origin; what the thing returns closes a clause before "的"
      {"所述磷源来自磷酸盐", "磷源"}, {"所述AoA测量请求返回的信号", "AoA测量请求"},
      // a word of place may open a name, with a count behind it; "之" opens none; "数" ends one
      {"所述上盖与", "上盖"}, {"所述侧板上设有", "侧板"}, {"所述内筒，", "内筒"},
      {"所述下一个待调节参数对应的", "下一个待调节参数"}, {"所述之装置", ""},
      {"所述参数对应的", "参数"},
  };
  for (const auto& [text, term] : cases) {
    const std::string gbk = Gbk(text);
    const TermSpan span = ReadReferredTerm(gbk, 4);
    EXPECT_EQ(Utf8(gbk.substr(span.start, span.length)), term) << text;
  }
}

TEST(AntecedentBasisReview, BasisOnEveryBranchToAnyDepth) {
  const MarksCase cases[] = {
      // the name matched whole, not on its first characters
      {{"1.一种梯子，包括梯带绳和横杆。",
        "2.根据权利要求1所述的梯子，其特征在于，所述梯带绳连接件固定在横杆上。"},
       {"【缺乏引用基础：梯带绳连接件】"}},
      {{"1.一种方法，包括步骤一：加热。", "2.根据权利要求1所述的方法，其特征在于，所述骤一为加热。"},
       {"【缺乏引用基础：骤一】"}},
      {{"1.一种方法，包括步骤一：加热。", "2.根据权利要求1所述的方法，其特征在于，所述骤一中加水。"},
       {"【缺乏引用基础：骤一】"}},
      // a term given by claim 2 only lacks basis on the branches of claims 1 and 3
      {{"1.一种系统，包括控制器。", "2.根据权利要求1所述的系统，其特征在于，还包括故障编号。",
        "3.根据权利要求1所述的系统，其特征在于，还包括显示屏。",
        "4.根据权利要求1-3任一项所述的系统，其特征在于，所述故障编号显示在显示屏上。"},
       {"【缺乏引用基础：故障编号（权利要求1、3）】"}},
      // the opening the report did not read, and a reference inside the text
      {{"1.一种装置，包括壳体和风扇。", "2.按照权利要求1所述的装置，其特征在于，所述风扇为轴流风扇。"},
       {"【所述】note"}},
      {{"1.一种装置，包括参数监测装置，所述参数监测装置包括探头。",
        "2.一种系统，包括主机，所述主机与权利要求1所述的参数监测装置连接，所述探头为光纤探头。"},
       {""}},
      // one reference sign with two names: the report's own mark, at fix
      {{"1.一种设备，包括进料管(12)。", "2.根据权利要求1所述的设备，其特征在于，所述进料口(12)设有阀门。"},
       {"【所述进料口(12)】fix"}},
      {{"1.一种缓冲器，包括销轴(2)。",
        "2.根据权利要求1所述的缓冲器，其特征在于，所述轴销(2)插入孔内，用于防止轴销(2)滑出。"},
       {"【所述轴销(2)】fix"}},
      {{"1.一种设备，包括进料管(12)。",
        "2.根据权利要求1所述的设备，其特征在于，设有阀门，所述的进料口(12)为圆形。"},
       {"【附图标记已另有名称：进料口(12)】"}},
      // a name introduced with a sign another name bore, anywhere before it; not a count before
      // the same name, the same thing named longer, a sign after "或", a step's label, a letter
      {{"1.一种贴标机，包括贴标传动丝杆(21)。", "2.一种贴标机，包括机架。",
        "3.根据权利要求2所述的贴标机，其特征在于，机架内设置有送标传动丝杆(21)。"},
       {"【附图标记已另有名称：送标传动丝杆(21)】"}},
      {{"1.一种支架，包括两个支腿(162)。",
        "2.根据权利要求1所述的支架，其特征在于，每一支腿(162)连接三角形支腿(162)。"},
       {""}},
      {{"1.一种装置，包括加热或辐照装置(9)。", "2.根据权利要求1所述的装置，其特征在于，辐射装置(9)为灯。"},
       {""}},
      {{"1.一种方法，使用加热器(1)。", "2.根据权利要求1所述的方法，其特征在于，步骤(1)在室温进行。"},
       {""}},
      {{"1.一种组合物，包括橡胶(A)。", "2.根据权利要求1所述的组合物，其特征在于，成分(A)为乙丙橡胶。"},
       {""}},
      // the name before a sign read back to the last punctuation mark or bracket, whatever
      // the brackets before it hold
      {{"1.一种设备，包括进料管(12)。",
        "2.根据权利要求1所述的设备，其特征在于，支架(A)出料管(12)，另设(见图2)送料管(12)。"},
       {"【附图标记已另有名称：出料管(12)】【附图标记已另有名称：送料管(12)】"}},
      // a name with its basis under a sign another name bore; the same thing named longer
      {{"1.一种支架，包括触发管(15)和水球(17)，所述触发管(15)内设有所述水球(17)，"
        "所述触发管(17)内部固定。"},
       {"【附图标记已另有名称：触发管(17)】"}},
      {{"1.一种机构，包括履带(15)，所述履带(15)为三角形履带，所述三角形履带(15)绕行。"}, {""}},
      // a rest that names a part of its own needs its own basis; a place on a thing does not
      {{"1.一种系统，包括加药系统。", "2.根据权利要求1所述的系统，其特征在于，所述加药管道上设有阀。"},
       {"【缺乏引用基础：加药管道】"}},
      {{"1.一种系统，包括清洗剂。", "2.根据权利要求1所述的系统，其特征在于，所述清洗剂储存罐为圆柱形。"},
       {"【缺乏引用基础：清洗剂储存罐】"}},
      {{"1.一种装置，包括壳体和投衣口。", "2.根据权利要求1所述的装置，其特征在于，所述壳体端部设有阀，"
        "所述投衣口开口朝上。"}, {""}},
      // an abbreviation is a name of its own before a verb, not where it was written with the rest
      {{"1.一种装置，分析呼叫细节记录CDR，所述CDR揭示以下项，所述CD揭示所述项。"}, {"【缺乏引用基础：CD揭示】"}},
      {{"1.一种装置，分析呼叫细节记录CDR来确定审查。", "2.根据权利要求1所述的装置，其中分析所述CDR揭示以下项。",
        "3.根据权利要求1或2所述的装置，其中分析所述CDR揭示所述项。"},
       {""}},
      // a name written with a qualifier between its words is introduced in other words; one
      // character between, an ordinal or a word joining two things makes another thing
      {{"1.一种方法，发送精细时间测量(FTM)请求，接收响应所述FTM请求返回的信息。"}, {""}},
      {{"1.一种系统，包括第一用户终端和第二用户终端。",
        "2.根据权利要求1所述的系统，其特征在于，所述第二终端为手机。"},
       {""}},
      {{"1.一种系统，包括第一终端。", "2.根据权利要求1所述的系统，其特征在于，还包括第二用户终端。",
        "3.根据权利要求1或2所述的系统，其特征在于，所述第二终端为手机。"},
       {"【缺乏引用基础：第二终端】"}},
      {{"1.一种电池，包括第一和第二电极。", "2.根据权利要求1所述的电池，其特征在于，所述第一电极为铜。"},
       {""}},
      {{"1.一种降凝剂组合物，包括表面活性剂型和聚合物型降凝剂。",
        "2.根据权利要求1所述的组合物，其特征在于，所述表面活性剂型降凝剂为酯类。"},
       {""}},
      {{"1.一种溶液，包括掺杂金属盐溶液。",
        "2.根据权利要求1所述的溶液，其特征在于，所述掺杂金属溶液为酸性。"},
       {"【缺乏引用基础：掺杂金属溶液】"}},
      {{"1.一种器件，包括第二基板上的第一电极。",
        "2.根据权利要求1所述的器件，其特征在于，所述第二电极为铜。"},
       {"【缺乏引用基础：第二电极】"}},
      {{"1.一种装置，包括第二阀门和出料管道。",
        "2.根据权利要求1所述的装置，其特征在于，所述第二管道为圆形。"},
       {"【缺乏引用基础：第二管道】"}},
      // one character left over, before a word only, and never when some branch holds the term
      {{"1.一种介质，存储指令，所述指令促使处理器运行。"}, {""}},
      {{"1.一种系统，包括清洗装置。", "2.根据权利要求1所述的系统，其特征在于，还包括清洗罐。",
        "3.根据权利要求1或2所述的系统，其特征在于，所述清洗罐为圆柱形。"},
       {"【缺乏引用基础：清洗罐（权利要求1）】"}},
      // a name of one character, written as a word of its own before, not inside another name
      {{"1.一种方法，识别视频中的人所对应的图像。",
        "2.根据权利要求1所述的方法，其特征在于，从所述人中识别附着物。"},
       {"【所述】note"}},
      {{"1.一种笔，包括笔杆。", "2.根据权利要求1所述的笔，其特征在于，所述笔帽为金属。"},
       {"【所述】review"}},
      {{"1.一种工具，包括一个导流槽。", "2.根据权利要求1所述的工具，其特征在于，所述导向件固定。"},
       {"【所述】review"}},
      // a function word behind the first character is the name's where the name so read has
      // its basis ("导向部" of the claim a reference inside the text names)
      {{"1.一种门体，包括导向部。", "2.一种洗衣机，包括权利要求1所述的门体。",
        "3.根据权利要求2所述的洗衣机，其特征在于，所述导向部为圆形。"},
       {"【所述】note"}},
      // a parent whose own parents are not known, a mistyped reference, a step by its label
      {{"1.一种装置，包括壳体。", "2.根据前述权利要求中任一项所述的装置，还包括风扇。",
        "3.根据权利要求2所述的装置，其特征在于，所述风扇和所述叶轮转动。"},
       {"【所述】note"}},
      {{"1.一种钻具，包括钻头。", "2.根据权利权利1所述的钻具，其特征在于，所述导流件固定。"},
       {"【所述】note"}},
      // a parent that stands nowhere in the text: the missing parent is the finding
      {{"1.一种装置，包括壳体。", "3.根据权利要求2所述的装置，其特征在于，所述弹簧为圆形。"},
       {"【所述】note"}},
      // a claim resting on one whose reference is mistyped lacks nothing on that branch, but
      // lacks on the others what only that one gives
      {{"1.一种钻具，包括壳体和钻头。", "2.根据权利权利1所述的钻具，其特征在于，还包括导流件。",
        "3.根据权利要求1或2所述的钻具，其特征在于，所述钻头和所述导流件固定。"},
       {"【缺乏引用基础：导流件（权利要求1）】"}},
      {{"1.一种方法，包括：(1)加热；(2)冷却。",
        "2.根据权利要求1所述的方法，其特征在于，所述步骤(2)在室温进行。"},
       {"【所述步骤(2)】note"}},
  };
  for (const MarksCase& c : cases) {
    EXPECT_EQ(ReviewOfLast(c.claims), c.marks[0]) << c.claims.back();
  }
}

// The report's mark reads a few characters behind "所述"; the drafter is told of the term the
// review reads.
TEST(AntecedentBasisReview, NamesTheTermItReads) {
  const std::vector<std::string> claims = {
      "1.一种地板，包括增强剂。", "2.根据权利要求1所述的地板，其特征在于，所述增强剂为碳酸钙填料。",
      "3.根据权利要求1所述的地板，其特征在于，所述碳酸钙填料的细度小于800目。"};
  for (const bool review : {false, true}) {
    const CheckOutcome outcome = RunCheck(GbkParagraphs(claims), {.review = review});
    std::string told;
    for (const Finding& f : outcome.result.claims.back().findings) {
      if (f.code == FindingCode::kAntecedent) told += Utf8(FindingExplanation(f));
    }
    EXPECT_EQ(told, review ? "“碳酸钙填料”缺乏引用基础" : "“碳酸”缺乏引用基础");
  }
}

TEST(AntecedentBasisReview, SettlesTheReportsOwnMarks) {
  // six generations up: the report's mark stays, the review finds the basis
  std::vector<std::string> chain = {"1.一种装置，包括壳体。"};
  for (int n = 2; n <= 6; ++n) {
    chain.push_back(std::to_string(n) + ".根据权利要求" + std::to_string(n - 1) +
                    "所述的装置，其特征在于，还包括部件" + std::to_string(n) + "。");
  }
  chain.push_back("7.根据权利要求6所述的装置，其特征在于，所述壳体为圆柱形。");
  EXPECT_EQ(ReviewOfLast(chain), "【所述】note");
  EXPECT_EQ(ReviewOfLast({"1.一种装置，包括壳体。",
                          "2.根据权利要求1所述的装置，其特征在于，所述弹簧套设在壳体上。"}),
            "【所述】review");
  // a multiple dependent claim on a multiple dependent claim is checked too
  EXPECT_EQ(ReviewOfLast({"1.一种装置，包括壳体。", "2.一种装置，包括底座。",
                          "3.根据权利要求1或2所述的装置，其特征在于，还包括弹簧。",
                          "4.根据权利要求2或3所述的装置，其特征在于，所述弹簧套设在壳体上。"}),
            "【缺乏引用基础：弹簧（权利要求2）】");
}

}  // namespace
