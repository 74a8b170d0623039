#include "ClaimsGenerator.h"

#include <algorithm>
#include <fstream>
#include <iterator>
#include <numeric>
#include <sstream>

namespace {

constexpr int kHighestClaimNumber = 9999;
constexpr int kForwardWindow = 4;
constexpr size_t kShortClaimBytes = 1000;  // 8 MB of such claims stay below 9999 claims
constexpr size_t kWideClaimBytes = 16000;  // the 9,999 parents take about 49 KB of head
constexpr size_t kSaidPerClaim = 5;
constexpr size_t kParagraphBytes = 300;

constexpr std::string_view kClaimWord = "权利要求";
constexpr std::string_view kSubject = "连接装置";

// Characters of the generated terms: common Chinese characters, none of which ends a term.
constexpr std::string_view kTermCharacters =
    "杆座板轴套管壳盖阀泵槽孔环块片柱梁架轮齿簧销钉螺母垫圈体腔室层膜线芯杯把手刀刃头尾边角面顶"
    "底侧端口盘筒箱柜门窗框条带绳索链钩扣夹钳锤斧锯钻针刷网筛罩罐瓶桶盆碗锅炉灯泡镜棒球珠粒粉液"
    "气油水电磁光热声波信号码字符数据模型图像素帧组件单元块路片基导子接插开关按钮键屏幕示驱动机"
    "马达皮滑轨支盘车身胎刹引擎风扇叶翼舵桨锚船舱甲板桅帆炮弹枪膛靶镖盾甲盔靴袜衣裤帽领袖纽襟"
    "米面粮豆麦稻谷菜果花草树木林森竹藤根茎枝芽苗种籽壤泥沙石土岩矿金银铜铁锡铅锌钢铝镁钛铬";
// Verbs between two terms; each opens with a character that ends the term before it.
constexpr std::string_view kJoints[] = {"固定连接于", "套设在",     "抵接于",     "卡合于",
                                        "转动连接于", "滑动配合于", "贴合设置于", "可拆卸地安装在"};

// splitmix64: a small generator whose output is fixed by its seed on every platform.
class Rng {
 public:
  explicit Rng(uint64_t seed) : state_(seed) {}
  uint64_t Next() {
    uint64_t z = (state_ += 0x9E3779B97F4A7C15ULL);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    return z ^ (z >> 31);
  }
  size_t Below(size_t n) { return static_cast<size_t>(Next() % n); }

 private:
  uint64_t state_;
};

size_t Utf8Length(unsigned char lead) {
  if (lead < 0x80) return 1;
  if (lead < 0xE0) return 2;
  return lead < 0xF0 ? 3 : 4;
}

// The distinct characters of kTermCharacters.
const std::vector<std::string_view>& TermCharacters() {
  static const std::vector<std::string_view> characters = [] {
    std::vector<std::string_view> all;
    for (size_t pos = 0; pos < kTermCharacters.size();) {
      const size_t length = Utf8Length(static_cast<unsigned char>(kTermCharacters[pos]));
      all.push_back(kTermCharacters.substr(pos, length));
      pos += length;
    }
    std::sort(all.begin(), all.end());
    all.erase(std::unique(all.begin(), all.end()), all.end());
    return all;
  }();
  return characters;
}

class ClaimsWriter {
 public:
  explicit ClaimsWriter(uint64_t seed) : rng_(seed) {}

  std::string& Out() { return out_; }

  void Term() {
    const auto& characters = TermCharacters();
    out_ += characters[rng_.Below(characters.size())];
    out_ += characters[rng_.Below(characters.size())];
  }
  // "所述<term><joint>所述<term>，": two references back, usually to terms never introduced.
  void SaidSentence() {
    out_ += "所述";
    Term();
    out_ += kJoints[rng_.Below(std::size(kJoints))];
    out_ += "所述";
    Term();
    out_ += "，";
  }
  // "该<term><joint><term>，": description that introduces terms without "所述".
  void PlainSentence() {
    out_ += "该";
    Term();
    out_ += kJoints[rng_.Below(std::size(kJoints))];
    Term();
    out_ += "，";
  }
  void IndependentClaim(int number) {
    out_ += std::to_string(number) + ".一种" + std::string(kSubject) + "，包括";
    Term();
    out_ += "、";
    Term();
    out_ += "和";
    Term();
    out_ += "，其特征在于，";
  }
  void DependentOpening(int number, const std::string& reference) {
    out_ += std::to_string(number) + ".根据权利要求" + reference + "所述的" +
            std::string(kSubject) + "，其特征在于，";
  }
  // Said sentences, then description paragraphs of plain sentences until the claim, begun at
  // `claimStart`, is `claimBytes` long; the claim ends with "。" and a line break.
  void ClaimBody(size_t claimStart, size_t claimBytes) {
    for (size_t i = 0; i < kSaidPerClaim; ++i) SaidSentence();
    while (out_.size() - claimStart < claimBytes) {
      EndParagraph("；");
      const size_t paragraphStart = out_.size();
      while (out_.size() - paragraphStart < kParagraphBytes) PlainSentence();
    }
    EndParagraph("。");
  }
  // Ends the paragraph with `stop` in place of its last "，".
  void EndParagraph(std::string_view stop) {
    constexpr std::string_view kComma = "，";
    if (out_.ends_with(kComma)) out_.resize(out_.size() - kComma.size());
    out_ += stop;
    out_ += "\n";
  }

 private:
  Rng rng_;
  std::string out_;
};

// Claim 1 and then claims 2, 3, … each with the reference that `referenceOf` gives for its
// number, until the text reaches `targetBytes`.
template <typename ReferenceOf>
std::string ChainedClaims(size_t targetBytes, size_t claimBytes, uint64_t seed,
                          ReferenceOf referenceOf) {
  ClaimsWriter writer(seed);
  std::string& out = writer.Out();
  writer.IndependentClaim(1);
  writer.ClaimBody(0, claimBytes);
  for (int number = 2; out.size() < targetBytes && number <= kHighestClaimNumber; ++number) {
    const size_t claimStart = out.size();
    writer.DependentOpening(number, referenceOf(number));
    writer.ClaimBody(claimStart, claimBytes);
  }
  return std::move(out);
}

std::string LongClaim(size_t targetBytes, uint64_t seed) {
  ClaimsWriter writer(seed);
  std::string& out = writer.Out();
  writer.IndependentClaim(1);
  writer.ClaimBody(0, 0);
  for (int number = 2; number <= 4; ++number) {
    writer.DependentOpening(number, "1");
    writer.ClaimBody(out.size(), 0);
  }
  writer.DependentOpening(5, "1～4中任一项");
  while (out.size() < targetBytes) {
    const size_t paragraphStart = out.size();
    while (out.size() - paragraphStart < kParagraphBytes) writer.SaidSentence();
    writer.EndParagraph(out.size() < targetBytes ? "；" : "。");
  }
  return std::move(out);
}

size_t DigitsAt(std::string_view text, size_t pos) {
  size_t end = pos;
  while (end < text.size() && text[end] >= '0' && text[end] <= '9') ++end;
  return end - pos;
}

// The byte length of the sign that joins two numbers of a reference list at `pos`, or 0.
size_t ListSignAt(std::string_view text, size_t pos) {
  static constexpr std::string_view kSigns[] = {"或", "、", "～", "到", "至", "-", "~"};
  for (std::string_view sign : kSigns) {
    if (text.substr(pos).starts_with(sign)) return sign.size();
  }
  return 0;
}

// Appends the number of `digits` raised by `offset`; runs too long to be a claim number are kept.
void AppendShiftedNumber(std::string& out, std::string_view digits, int offset) {
  if (digits.size() > 4) {
    out += digits;
    return;
  }
  out += std::to_string(std::stoi(std::string(digits)) + offset);
}

// The number of digits that open `line` when a "." or "、" follows them, else 0.
size_t ClaimNumberDigits(std::string_view line) {
  const size_t digits = DigitsAt(line, 0);
  const std::string_view rest = line.substr(digits);
  return digits > 0 && (rest.starts_with(".") || rest.starts_with("、")) ? digits : 0;
}

// Appends `line` with its claim number and every number that a reference list after "权利要求"
// names raised by `offset`.
void AppendRenumbered(std::string& out, std::string_view line, int offset) {
  size_t pos = ClaimNumberDigits(line);
  if (pos > 0) AppendShiftedNumber(out, line.substr(0, pos), offset);
  while (pos < line.size()) {
    const size_t hit = line.find(kClaimWord, pos);
    if (hit == std::string_view::npos) break;
    out += line.substr(pos, hit + kClaimWord.size() - pos);
    pos = hit + kClaimWord.size();
    while (pos < line.size()) {
      if (const size_t digits = DigitsAt(line, pos); digits > 0) {
        AppendShiftedNumber(out, line.substr(pos, digits), offset);
        pos += digits;
      } else if (const size_t sign = ListSignAt(line, pos); sign > 0) {
        out += line.substr(pos, sign);
        pos += sign;
      } else {
        break;
      }
    }
  }
  if (pos < line.size()) out += line.substr(pos);
}

// The highest claim number that opens a line of `section`.
int HighestClaimNumber(std::string_view section) {
  int highest = 0;
  std::istringstream lines{std::string(section)};
  for (std::string line; std::getline(lines, line);) {
    const size_t digits = ClaimNumberDigits(line);
    if (digits > 0 && digits <= 4) highest = std::max(highest, std::stoi(line.substr(0, digits)));
  }
  return highest;
}

void AppendSection(std::string& out, std::string_view section, int offset) {
  std::istringstream lines{std::string(section)};
  for (std::string line; std::getline(lines, line);) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    AppendRenumbered(out, line, offset);
    out += '\n';
  }
}

std::string Realistic(size_t targetBytes, const std::vector<std::string>& corpus, uint64_t seed) {
  std::string out;
  if (corpus.empty()) return out;
  Rng rng(seed);
  std::vector<size_t> order(corpus.size());
  int offset = 0;
  while (out.size() < targetBytes) {
    // Every round takes each section once, in an order of its own.
    std::iota(order.begin(), order.end(), 0);
    for (size_t i = order.size(); i > 1; --i) std::swap(order[i - 1], order[rng.Below(i)]);
    for (size_t index : order) {
      if (out.size() >= targetBytes) break;
      const std::string& section = corpus[index];
      const int claims = HighestClaimNumber(section);
      if (offset + claims > kHighestClaimNumber) offset = 0;
      AppendSection(out, section, offset);
      offset += claims;
    }
  }
  return out;
}

}  // namespace

std::string_view FamilyName(Family family) {
  switch (family) {
    case Family::kRealistic:
      return "realistic";
    case Family::kForwardWeb:
      return "forward-web";
    case Family::kWideRanges:
      return "wide-ranges";
    case Family::kLongClaim:
      return "long-claim";
    case Family::kDeepChain:
      return "deep-chain";
  }
  return "";
}

std::optional<Family> FamilyFromName(std::string_view name) {
  for (Family family : kFamilies) {
    if (FamilyName(family) == name) return family;
  }
  return std::nullopt;
}

std::vector<std::string> LoadCorpus(const std::filesystem::path& dir) {
  std::error_code error;
  std::vector<std::filesystem::path> files;
  for (const auto& entry : std::filesystem::directory_iterator(dir, error)) {
    if (entry.is_regular_file() && entry.path().extension() == ".txt")
      files.push_back(entry.path());
  }
  std::sort(files.begin(), files.end());
  std::vector<std::string> texts;
  for (const auto& file : files) {
    std::ifstream in(file, std::ios::binary);
    texts.emplace_back(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  }
  return texts;
}

std::string GenerateClaims(Family family, size_t targetBytes,
                           const std::vector<std::string>& corpus, uint64_t seed) {
  switch (family) {
    case Family::kRealistic:
      return Realistic(targetBytes, corpus, seed);
    case Family::kForwardWeb:
      return ChainedClaims(targetBytes, kShortClaimBytes, seed, [](int number) {
        return std::to_string(number + 1) + "～" + std::to_string(number + kForwardWindow) +
               "中任一项";
      });
    case Family::kWideRanges:
      return ChainedClaims(targetBytes, kWideClaimBytes, seed,
                           [](int) { return std::string("1～9999中任一项"); });
    case Family::kLongClaim:
      return LongClaim(targetBytes, seed);
    case Family::kDeepChain:
      return ChainedClaims(targetBytes, kShortClaimBytes, seed,
                           [](int number) { return std::to_string(number - 1); });
  }
  return {};
}
