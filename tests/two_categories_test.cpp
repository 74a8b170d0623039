// Independent claims whose subject names two categories.
#include <gtest/gtest.h>

#include "support/TestText.h"
#include "checks/further/TwoCategories.h"

namespace {

TEST(TwoCategories, ProductAndProcessInOneSubject) {
  struct Case {
    std::vector<std::string> claims;
    std::string marks;
  };
  const Case cases[] = {
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
  };
  for (const Case& c : cases) {
    EXPECT_EQ(FurtherMarks(CheckTwoCategories, c.claims), c.marks) << c.claims.back();
  }
}

}  // namespace
