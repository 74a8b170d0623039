// A dependent claim's subject must be a tail of the subject of every parent found.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ClaimRecord.h"
#include "TestText.h"

namespace {

struct ConsistencyCase {
  std::vector<std::string> claims;  // UTF-8 paragraphs
  int pos;                          // the record whose marks are checked
  std::string marks;
};

const std::string kMismatch = "【主题与父权不一致】";

TEST(SubjectConsistency, TailOfEveryFoundParent) {
  const std::string parent = CleanClaim(1, "", "信道检测装置");
  // clang-format off
  const ConsistencyCase cases[] = {
      {{parent, CleanClaim(2, "1", "装置")}, 1, ""},
      {{parent, CleanClaim(2, "1", "检测装置")}, 1, ""},
      {{parent, CleanClaim(2, "1", "信道检测装置")}, 1, ""},
      {{parent, CleanClaim(2, "1", "测装置")}, 1, ""},
      {{parent, CleanClaim(2, "1", "方法")}, 1, kMismatch},
      {{parent, CleanClaim(2, "1", "信道装置")}, 1, kMismatch},
      {{CleanClaim(1, "", "检测装置"), CleanClaim(2, "1", "信道检测装置")}, 1, kMismatch},
      // a parent without a subject disagrees with every child that has one
      {{CleanClaim(1, "", "灯"), CleanClaim(2, "1", "装置")}, 1, kMismatch},
      // without a subject there is nothing to compare
      {{parent, CleanClaim(2, "1", "灯")}, 1, "【不能识别本权项主题】"},
      // one mark however many parents disagree
      {{parent, CleanClaim(2, "1"), CleanClaim(3, "1或2", "方法")}, 2, kMismatch},
      {{parent, CleanClaim(2, "1", "方法"), CleanClaim(3, "1或2")}, 2, kMismatch},
      // a missing parent is skipped, the found ones are still compared
      {{parent, CleanClaim(2, "1"), CleanClaim(3, "1或9")}, 2,
       "【有的父权编号过大|有的父权未找到】"},
      {{parent, CleanClaim(2, "1"), CleanClaim(3, "2或9", "方法")}, 2,
       "【有的父权编号过大|有的父权未找到|主题与父权不一致】"},
      // a claim compared with itself passes; a later parent is compared as well
      {{parent, CleanClaim(2, "2")}, 1, "【有的父权编号过大】"},
      {{parent, CleanClaim(2, "3"), CleanClaim(3, "1", "方法")}, 1,
       "【有的父权编号过大|主题与父权不一致】"},
      // bytes, not characters: the trail byte of 裝 is "b"
      {{parent, "2.根据权利要求1所述的裝置置，其特征在于，包括A。", CleanClaim(3, "2", "b置置")},
       2, ""},
      {{parent}, 0, ""},
  };
  // clang-format on
  for (const ConsistencyCase& c : cases) {
    SCOPED_TRACE(c.claims.back());
    Analyze(GbkParagraphs(c.claims));
    ASSERT_GT(g_claims.Count(), c.pos);
    EXPECT_EQ(MarksOf(c.pos), c.marks);
  }
}

}  // namespace
