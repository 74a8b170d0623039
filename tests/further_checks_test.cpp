// The further checks, each on claims of its own: the marks it finds, and what it leaves alone.
#include <gtest/gtest.h>

#include <algorithm>

#include "CheckCommand.h"
#include "checks/further/IndefiniteWording.h"
#include "checks/further/ReferenceNotAlternative.h"
#include "checks/further/ReferenceUnnumbered.h"
#include "checks/further/ReferenceWording.h"
#include "checks/further/RepeatedWord.h"
#include "checks/further/StepLabels.h"
#include "checks/further/StepNumbering.h"
#include "checks/further/TwoCategories.h"
#include "checks/further/UnbalancedBrackets.h"
#include "support/TestText.h"

namespace {

// Words that make a claim's scope unclear.

TEST(IndefiniteWording, WordsNumbersAndLookAlikes) {
  ExpectFurtherMarks(CheckIndefiniteWording, {
      {"1.所述A为1-5%，优选地为2%，更优选3%。", "【用语不确定：优选】【用语不确定：更优】"},
      {"1.所述A例如为B，诸如C，尤其是D，特别是E。",
       "【用语不确定：例如】【用语不确定：诸如】【用语不确定：尤其】【用语不确定：特别是】"},
      {"1.压力为约1.4bar，温度大约30℃，厚度约为5mm。",
       "【用语不确定：约】【用语不确定：大约】"},
      {"1.加热至30℃左右，保持2小时左右的时间。", "【用语不确定：左右】"},
      {"1.牵引速度为1m/min左右。", "【用语不确定：左右】"},
      {"1.密度为5kg/m^3左右，粒径10μm左右。", "【用语不确定：左右】"},
      {"1.必要时加入A或类似物。", "【用语不确定：必要时】【用语不确定：或类似物】"},
      // Look-alikes: other words made of the same characters.
      {"1.原料的配比如下：A，比例如下：B。", ""},
      {"1.求得最优解，再最优化，并优选出参数。", ""},
      {"1.预约1次，节约2元，约束A。", ""},
      {"1.位于底座(1)的左右两侧，第2层左右两端。", ""},
      {"1.位于底座(1)的左右，连接件ABCDEFGHIJ左右。", ""},
      {"1.所述A等于B。", ""},
      // "等" closing a list of alternatives, not a word of its own nor a list of another clause
      {"1.断面为圆形、异形等形状，所述气体为氮气、氦气等中的至少一种。", "【用语不确定：等】"},
      {"1.所述A、B的长度相等，C、D等于E，F、G等距排列，H、I呈中等大小。", ""},
      {"1.加入A、B，再加入C等物料。", ""},
  });
}

// A preference or an example draws an objection as a matter of course; an open bound is a
// matter of degree.
TEST(IndefiniteWording, SeverityByKindOfWord) {
  const std::pair<std::string, Severity> cases[] = {
      {"优选", Severity::kFix},      {"最好", Severity::kFix},   {"例如", Severity::kFix},
      {"特别是", Severity::kFix},    {"必要时", Severity::kReview}, {"或类似物", Severity::kReview},
      {"约5", Severity::kReview},   {"5℃左右", Severity::kReview}, {"A、B等", Severity::kReview},
  };
  for (const auto& [words, severity] : cases) {
    const CheckOutcome outcome =
        RunCheck(Gbk("1.一种装置，其特征在于，包括A，所述A为" + words + "。"), {.review = true});
    ASSERT_EQ(outcome.result.claims.size(), 1u) << words;
    const std::vector<Finding>& findings = outcome.result.claims[0].findings;
    const auto found = std::find_if(findings.begin(), findings.end(), [](const Finding& f) {
      return f.code == FindingCode::kIndefiniteWording;
    });
    ASSERT_NE(found, findings.end()) << words;
    EXPECT_EQ(found->severity, severity) << words;
  }
}

// The walks pass over runs of characters that start no word by their bytes: a text cut off
// after a word's first byte or ending in a run of any length finds what it holds and reads
// nothing beyond its end; a bracket after a run of any length is seen.
TEST(FurtherChecks, RunsOfEveryLength) {
  for (int chars = 0; chars <= 12; ++chars) {
    std::string run;
    for (int i = 0; i < chars; ++i) run += "甲";
    for (const std::string& end : {std::string(), Gbk("优").substr(0, 1), Gbk("优")}) {
      std::vector<Finding> findings;
      CheckIndefiniteWording(Gbk("所述A优选" + run) + end, findings);
      ASSERT_EQ(findings.size(), 1u) << chars;
      EXPECT_EQ(findings[0].textStart, Size(Gbk("所述A"))) << chars;
    }
    EXPECT_EQ(FurtherMarks(CheckUnbalancedBrackets, "1.甲" + run + "(3连接A。"), "【括号不成对：(】");
    EXPECT_EQ(FurtherMarks(CheckUnbalancedBrackets, "1.甲" + run + "5%)连接A。"), "【括号不成对：)】");
    EXPECT_EQ(FurtherMarks(CheckUnbalancedBrackets, "1.所述" + run + "(3)连接" + run + "A。"), "");
  }
}

// Words written twice, and the characterising phrase mistyped.

TEST(RepeatedWord, DoublingsAndThePhrase) {
  ExpectFurtherMarks(CheckRepeatedWord, {
      {"1.根据所述所述方向信息。", "【用词重复：所述所述】"},
      {"1.设有微差压型微差压型压力变送器。", "【用词重复：微差压型微差压型】"},
      {"1.所述的的A。", "【用词重复：的的】"},
      {"1.所述A，其特征在多孔材料包括B。", "【疑似漏字：其特征在】"},
      {"1.所述A，其特性在于B。", "【疑似笔误：其特性在于】"},
      {"1.一种装置，其特征在于：其特征在于，包括A。", "【用词重复：其特征在于：其特征在于】"},
      {"1.一种装置，其特性在于其特征在于包括A。", "【用词重复：其特性在于其特征在于】"},
      {"1.一种装置，其特征在，其特征在于包括A。", "【用词重复：其特征在，其特征在于】"},
      {"1.一种装置，其特性在于其特征在包括A。", "【用词重复：其特性在于其特征在】"},
      {"1.一种装置，其特其特性在于包括A。", "【用词重复：其特其特性在于】"},
      {"1.根据权利要求1-3所述所述的装置。", "【用词重复：所述所述】"},
      {"1.加入步骤S2所述所述A。", "【用词重复：所述所述】"},
      // Legitimate doublings, chemical names among them.
      {"1.加入3-(2,3-环氧丙氧丙基)三甲氧基硅烷。", ""},
      {"1.加入双(甲基甲基)硅烷。", ""},
      {"1.在格子中填充填充物，一层一层铺设。", ""},
      {"1.所述元件的温度的温度传感器。", ""},
      {"1.所述A，其特征在于B。", ""},
  });
}

// A word of every length from two to six characters written twice, the end of the text at every
// distance from six characters to none behind it; a word of seven, never sought, is no doubling.
TEST(RepeatedWord, EveryLengthAtEveryDistanceFromTheEnd) {
  const std::string chars = "甲乙丙丁戊己庚", others = "子丑寅卯辰巳";  // three bytes each
  for (size_t length = 2; length <= 7; ++length) {
    const std::string word = chars.substr(0, 3 * length);
    for (size_t after = 0; after <= 6; ++after) {
      const std::string marks = length <= 6 ? "【用词重复：" + word + word + "】" : "";
      EXPECT_EQ(FurtherMarks(CheckRepeatedWord, "1.设有" + word + word + others.substr(0, 3 * after)),
                marks)
          << length << " " << after;
    }
  }
}

// Mistyped references, and correct ones the analysis does not read.

TEST(ReferenceWording, TyposAndUnreadForms) {
  const std::string one = "1.一种装置，其特征在于，包括A。";
  const std::string tail = "所述的装置，其特征在于，B。";
  // clang-format off
  ExpectFurtherMarks(CheckReferenceWording, {
      {{one, "2.据权利要求1" + tail}, "【疑似引用有误：据权利要求】"},
      {{one, "2.如权力要求1" + tail}, "【疑似引用有误：权力要求】"},
      {{one, "2.如权利要去1" + tail}, "【疑似引用有误：权利要去】"},
      {{one, "2.权利2要求1" + tail}, "【疑似引用有误：权利2要求】"},
      {{one, "2.如权利要1或2" + tail}, "【疑似引用有误：权利要1】"},
      {{one, "2.根据权利要求根据权利要求1" + tail}, "【疑似引用有误：根据权利要求根据权利要求】"},
      // The same slip twice in a claim is shown once.
      {{one, "2.如权力要求1所述的装置，与权力要求1的A相连。"}, "【疑似引用有误：权力要求】"},
      // Correct wording, and the page header "权利要求书" cut short.
      {{one, "2.依据权利要求1" + tail}, "【引用未识别，按独权处理：依据权利要求】"},
      {{one, "2.根据权利要求1" + tail}, ""},
      {{one, "2.一种方法，使用利要求书中的装置。"}, ""},
      // Unread openings: a dependent claim only when the subject is the parent's.
      {{one, "2.按照权利要求1" + tail}, "【引用未识别，按独权处理：按照权利要求】"},
      {{one, "2.权利要求1的装置，其中B。"}, "【引用未识别，按独权处理：权利要求】"},
      {{"1.一种载体的制备方法，包括A。", "2.按照权利要求1所述的载体制备方法，B。"},
       "【引用未识别，按独权处理：按照权利要求】"},
      {{one, "2.权利要求1所述的装置在B中的应用。"}, ""},
      {{one, "2.按照权利要求1所述装置的制备方法，包括B。"}, ""},
      {{one, "2.按照权利要求7" + tail}, ""},
      // "之一" after the numbers of a dependent claim leaves its parents unread: the report's
      // reference-format finding says so, and no second finding here.
      {{one, one, "3.如权利要求1～2之一" + tail}, ""},
      {{one, one, "3.如权利要求1～2中任一项" + tail}, ""},
  });
  // clang-format on
}

// The doubled opening is the reference's slip alone: the repeated word and the reference without
// a number leave it to that check.
TEST(ReferenceWording, OneMarkForADoubledOpening) {
  const auto all = [](const ClaimRecord& record, std::string_view text,
                      std::vector<Finding>& findings) {
    CheckReferenceWording(record, text, findings);
    CheckRepeatedWord(text, findings);
    CheckReferenceUnnumbered(text, findings);
  };
  EXPECT_EQ(FurtherMarks(all, {"1.一种装置，其特征在于，A。",
                               "2.根据权利要求根据权利要求1所述的装置，B。"}),
            "【疑似引用有误：根据权利要求根据权利要求】");
}

// References that name no claim number.

TEST(ReferenceUnnumbered, NoNumberAfterTheClaimWord) {
  ExpectFurtherMarks(CheckReferenceUnnumbered, {
      {"1.根据前述权利要求中任一项所述的方法，B。", "【引用未写编号：前述权利要求】"},
      {"1.如前述任一项权利要求所述的方法，B。", "【引用未写编号：前述任一项权利要求】"},
      {"1.一种装置，执行以上各权利要求的方法。", "【引用未写编号：以上各权利要求】"},
      {"1.按照权利要求所述的方法，B。", "【引用未写编号：按照权利要求】"},
      {"1.根据权利要求中任一项所述的方法，B。", "【引用未写编号：根据权利要求】"},
      {"1.如权利要求所述的方法，依据权利要求的A。",
       "【引用未写编号：如权利要求】【引用未写编号：依据权利要求】"},
      {"1.一种装置，包括上述权利要求1-5中任一项的A。", ""},
      {"1.按照权利要求１所述的方法，根据权利要求2的A。", ""},
      {"1.一种装置，包括上述部件。", ""},
  });
}

// References to several claims that are not in the alternative.

TEST(ReferenceNotAlternative, CumulativeAndBareRanges) {
  ExpectFurtherMarks(CheckReferenceNotAlternative, {
      {"1.根据权利要求1和2所述的装置，B。", "【引用未择一：权利要求1和2】"},
      {"1.根据权利要求1、2以及4所述的装置，B。", "【引用未择一：权利要求1、2以及4】"},
      {"1.根据权利要求1与权利要求3所述的装置，B。", "【引用未择一：权利要求1与权利要求3】"},
      {"1.根据权利要求1至3所述的装置，B。", "【引用未择一：权利要求1至3】"},
      {"1.一种组合物，含有权利要求1-4的A。", "【引用未择一：权利要求1-4】"},
      {"1.根据权利要求1至3中任一项所述的装置，B。", ""},
      {"1.根据权利要求1～3之一所述的装置，B。", ""},
      {"1.根据权利要求2以及11～15中任一项所述的装置，B。", ""},
      {"1.实现如权利要求1-8所述的任一权利要求所述的方法。", ""},
      {"1.根据权利要求1、2或4所述的装置，B。", ""},
      // A sign no number follows is not part of the list.
      {"1.根据权利要求1所述的装置和2个A，B。", ""},
  });
}

// Independent claims whose subject names two categories.

TEST(TwoCategories, ProductAndProcessInOneSubject) {
  ExpectFurtherMarks(CheckTwoCategories, {
      {{"1.一种软电缆及其制备工艺，其特征在于，A。"}, "【主题含两类：及其制备工艺】"},
      {{"1.一种电镀铜浴及方法，其特征在于，A。"}, "【主题含两类：及方法】"},
      {{"1.一种检测方法和装置，其特征在于，A。"}, "【主题含两类：和装置】"},
      {{"1.一种检测装置以及控制方法，其特征在于，A。"}, "【主题含两类：以及控制方法】"},
      {{"1.一种隐形眼镜的制备方法及利用其制备的隐形眼镜，其特征在于，A。"},
       "【主题含两类：及利用其制备的隐形眼镜】"},
      {{"1.一种涂层的制备方法和由该方法制得的涂层，其特征在于，A。"},
       "【主题含两类：和由该方法制得的涂层】"},
      {{"1.一种显示面板及利用该面板的检测方法，其特征在于，A。"},
       "【主题含两类：及利用该面板的检测方法】"},
      {{"1.一种智能百叶窗及其控制系统，其特征在于，A。"}, ""},
      {{"1.一种A的制备方法及其制备的装置的使用方法，其特征在于，A。"}, ""},
      {{"1.一种加热和冷却方法，其特征在于，A。"}, ""},
      {{"1.一种基于深度学习和知识图谱的推荐方法，其特征在于，A。"}, ""},
      {{"1.一种装置，其特征在于，A。", "2.根据权利要求1所述的装置及方法，B。"}, ""},
  });
}

// Round brackets without their partner.

TEST(UnbalancedBrackets, StrayAndUnclosed) {
  ExpectFurtherMarks(CheckUnbalancedBrackets, {
      {"1.所述弹簧(3连接A。", "【括号不成对：(】"},
      {"1.所述弹簧(3)连接(A(B)。", "【括号不成对：(】"},
      {"1.含量为5wt%)的A。", "【括号不成对：)】"},
      {"1.所述弹簧(3)与（4）连接，取值[0,1)。", ""},
      // List labels close nothing.
      {"1.包括以下步骤：a)将A加入；b)加热；S1)冷却；步骤121)过滤。", ""},
  });
}

// Step labels read from a claim's text: labels of steps, references to them, and what is neither.

// Each label as "<label>:<value><o|r>", o for one that opens its step, r for one that refers.
std::string Labels(const std::string& claim) {
  const std::string text = Gbk(claim);
  std::string shown;
  for (const StepLabel& label : ReadStepLabels(text)) {
    if (!shown.empty()) shown += " ";
    shown += Utf8(text.substr(label.start, label.length)) + ":" + std::to_string(label.value) +
             (label.opensStep ? "o" : "r");
  }
  return shown;
}

TEST(StepLabels, LabelsReferencesAndLookAlikes) {
  const std::pair<std::string, std::string> cases[] = {
      {"1.一种方法，包括：S1、取A；S2，将S1得到的B；S21：混合。",
       "S1:1o S2:2o S1:1r S21:21o"},
      {"1.一种方法，包括：步骤S1、取A；步骤S2中，加热。", "步骤S1:1o 步骤S2:2r"},
      {"1.一种方法，包括：(1)取A；(2)将底座(1)与B连接。", "(1):1o (2):2o"},
      {"1.一种方法，包括：步骤一：取A；步骤二，加热；步骤十二：冷却。",
       "步骤一:1o 步骤二:2o 步骤十二:12o"},
      {"1.一种方法，包括：第一步：取A；第二步骤：将第一连接件与第二层连接。",
       "第一步:1o 第二步骤:2o"},
      {"1.一种方法，包括：1)取A；2、加热到0.5mm；图2)所示。", "1:1o 2:2o"},
      {"2.根据权利要求1所述的方法，其特征在于，还包括步骤(5)：冷却；所述步骤(3)中加热。",
       "步骤(5):5o 步骤(3):3r"},
      {"1.一种方法，包括步骤1、取A；步骤2、拆除，包括：步骤2.1、敲击；S2-1：卸下。",
       "步骤1:1o 步骤2:2o"},
      {"1.一种ABS1材料，由2S1和S123456组成。", ""},
  };
  for (const auto& [claim, labels] : cases) EXPECT_EQ(Labels(claim), labels) << claim;
}

// The numbering of a method claim's steps.

TEST(StepNumbering, LabelsThatSkipOrRepeat) {
  const std::pair<std::string, std::string> cases[] = {
      {"1.一种方法，包括：(1)取A；(2)加热；(3)混合；(7)冷却；(10)包装。",
       "【步骤编号不连续：(7)】【步骤编号不连续：(10)】"},
      {"1.一种方法，包括：第一步：取A；第二步：加热；第四步：冷却。", "【步骤编号不连续：第四步】"},
      {"1.一种方法，包括：S1、取A；S2、加热；S2、冷却。", "【步骤编号不连续：S2】"},
      {"1.一种方法，包括：步骤一、取A；步骤三、冷却。", "【步骤编号不连续：三】"},
      // Lists within a step, a list that opens past one, and numbering by codes.
      {"1.一种方法，包括：(1)取A，包括：(1)称量；(2)研磨；(2)加热；(3)混合。", ""},
      {"1.一种方法，包括：S1、取A；S2、加热：S21、升温；S22、保温；S3、冷却。", ""},
      {"1.一种方法，包括：S10、取A；S20、加热；S30、冷却；S31、保温。", ""},
      {"1.一种方法，包括：S101、取A；S102、加热。", ""},
      {"1.一种方法，包括：S9、取A；S10、加热。", ""},
      {"1.一种方法，包括：第一步：取A；第二步：加热；甲：第三步：冷却；第四步：包装；乙：第三步：烘干。",
       ""},
      {"1.一种方法，包括：步骤(1)确定A；步骤(2)加热；步骤(2)中温度为5℃；步骤(4)冷却。",
       "【步骤编号不连续：(4)】"},
      {"1.一种方法，包括：步骤S1：取A；步骤S2：加热；其中，步骤S1在步骤S2之前执行。", ""},
      {"2.根据权利要求1所述的方法，其特征在于，还包括：(4)冷却；(5)包装。", ""},
  };
  for (const auto& [claim, marks] : cases) {
    EXPECT_EQ(FurtherMarks(CheckStepNumbering, {"1.一种方法，其特征在于，包括A。", claim}), marks)
        << claim;
  }
}

TEST(StepNumbering, StepsReferredToThatNoClaimDefines) {
  const std::string method = "1.一种方法，其特征在于，包括：(1)取A；(2)加热；(3)冷却。";
  ExpectFurtherMarks(CheckStepNumbering, {
      {{method, "2.根据权利要求1所述的方法，其特征在于，所述步骤(5)中温度为5℃。"},
       "【步骤未定义：步骤(5)】"},
      {{method, "2.根据权利要求1所述的方法，其特征在于，所述步骤(2)中温度为5℃。"}, ""},
      // Defined by a claim further up, or in the claim itself.
      {{method, "2.根据权利要求1所述的方法，其特征在于，还包括：(4)包装。",
        "3.根据权利要求2所述的方法，其特征在于，所述步骤(4)中用纸。"},
       ""},
      {{method, "2.根据权利要求1所述的方法，其特征在于，还包括步骤S4：包装；步骤S4中用纸。"}, ""},
      // Claims whose steps may be in a claim not read as a parent.
      {{method, "2.一种产品，由权利要求1所述的方法制得，其中步骤(5)中用纸。"}, ""},
      {{"1.一种方法，包括A。", "2.根据权利要求所述的方法，所述步骤(5)中用纸。"}, ""},
  });
}

}  // namespace
