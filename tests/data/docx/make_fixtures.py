#!/usr/bin/env python3
"""Writes the Word documents the readers are held to, each NAME.docx beside NAME.txt, the claims
text it must give. The XML is written as Word and WPS Office write it. Run from this folder;
the bad inputs (bad_*.docx, *.doc) have no text: each must be refused with one line."""
import io
import zipfile

W = "http://schemas.openxmlformats.org/wordprocessingml/2006/main"
HEAD = '<?xml version="1.0" encoding="UTF-8" standalone="yes"?>\n'
TYPES = HEAD + (
    '<Types xmlns="http://schemas.openxmlformats.org/package/2006/content-types">'
    '<Default Extension="rels" ContentType="application/vnd.openxmlformats-package.relationships+xml"/>'
    '<Default Extension="xml" ContentType="application/xml"/>'
    '<Override PartName="/word/document.xml" ContentType="application/vnd.openxmlformats-officedocument.wordprocessingml.document.main+xml"/>'
    '{extra}</Types>')
RELS = HEAD + (
    '<Relationships xmlns="http://schemas.openxmlformats.org/package/2006/relationships">'
    '<Relationship Id="rId1" Type="http://schemas.openxmlformats.org/officeDocument/2006/relationships/officeDocument" Target="word/document.xml"/>'
    '</Relationships>')


def entry(name, deflated=True):
    """A zip entry dated alike on every run, so that the fixtures change only with this script."""
    info = zipfile.ZipInfo(name, date_time=(2024, 1, 1, 0, 0, 0))
    info.compress_type = zipfile.ZIP_DEFLATED if deflated else zipfile.ZIP_STORED
    return info


def t(text, rpr=""):
    return f'<w:r>{rpr}<w:t xml:space="preserve">{text}</w:t></w:r>'


def p(*runs, ppr=""):
    return f'<w:p>{ppr}{"".join(runs)}</w:p>'


def num(num_id, level=0):
    return f'<w:pPr><w:numPr><w:ilvl w:val="{level}"/><w:numId w:val="{num_id}"/></w:numPr></w:pPr>'


def document(*paragraphs):
    return HEAD + (f'<w:document xmlns:w="{W}" '
                   'xmlns:mc="http://schemas.openxmlformats.org/markup-compatibility/2006">'
                   f'<w:body>{"".join(paragraphs)}<w:sectPr/></w:body></w:document>')


def package(body, extra_parts=None, types_extra=""):
    out = io.BytesIO()
    with zipfile.ZipFile(out, "w", zipfile.ZIP_DEFLATED) as z:
        z.writestr(entry("[Content_Types].xml"), TYPES.format(extra=types_extra))
        z.writestr(entry("_rels/.rels"), RELS)
        z.writestr(entry("word/document.xml"), body)
        for name, data in (extra_parts or {}).items():
            z.writestr(entry(name), data)
    return out.getvalue()


def write(name, data, text=None):
    with open(name + ".docx", "wb") as f:
        f.write(data)
    if text is not None:
        with open(name + ".txt", "w", encoding="utf-8", newline="\n") as f:
            f.write(text)


NUMBERING = HEAD + (
    f'<w:numbering xmlns:w="{W}">'
    '<w:abstractNum w:abstractNumId="0"><w:lvl w:ilvl="0"><w:start w:val="1"/>'
    '<w:numFmt w:val="decimal"/><w:lvlText w:val="%1."/></w:lvl></w:abstractNum>'
    '<w:abstractNum w:abstractNumId="1"><w:lvl w:ilvl="0"><w:start w:val="1"/>'
    '<w:numFmt w:val="decimal"/><w:lvlText w:val="%1、"/><w:suff w:val="nothing"/></w:lvl>'
    '</w:abstractNum>'
    '<w:abstractNum w:abstractNumId="2"><w:lvl w:ilvl="0"><w:start w:val="1"/>'
    '<w:numFmt w:val="chineseCounting"/><w:lvlText w:val="%1、"/></w:lvl></w:abstractNum>'
    '<w:num w:numId="1"><w:abstractNumId w:val="0"/></w:num>'
    '<w:num w:numId="2"><w:abstractNumId w:val="1"/></w:num>'
    '<w:num w:numId="3"><w:abstractNumId w:val="1"/><w:lvlOverride w:ilvl="0">'
    '<w:startOverride w:val="1"/></w:lvlOverride></w:num>'
    '<w:num w:numId="4"><w:abstractNumId w:val="2"/></w:num>'
    '</w:numbering>')
STYLES = HEAD + (
    f'<w:styles xmlns:w="{W}"><w:style w:type="paragraph" w:default="1" w:styleId="Normal">'
    '<w:name w:val="Normal"/></w:style>'
    '<w:style w:type="paragraph" w:styleId="Claim"><w:name w:val="Claim"/><w:basedOn w:val="Normal"/>'
    '<w:pPr><w:numPr><w:numId w:val="3"/></w:numPr></w:pPr></w:style></w:styles>')
NUMBERED_TYPES = (
    '<Override PartName="/word/numbering.xml" ContentType="application/vnd.openxmlformats-officedocument.wordprocessingml.numbering+xml"/>'
    '<Override PartName="/word/styles.xml" ContentType="application/vnd.openxmlformats-officedocument.wordprocessingml.styles+xml"/>')
NUMBERED_PARTS = {"word/numbering.xml": NUMBERING, "word/styles.xml": STYLES}

# Word numbers the claims: "1." from the list itself; a second claims set through a style, "、",
# restarted; a heading list in Chinese counting before them.
write("numbering", package(document(
    p(t("权利要求书")),
    p(t("一种杯子，包括杯体。"), ppr=num(1)),
    p(t("根据权利要求1所述的杯子，其特征在于，所述杯体为圆柱形。"), ppr=num(1)),
    p(t("根据权利要求1所述的杯子，其特征在于，所述手柄为塑料。"), ppr=num(1)),
    p(t("一种杯盖，包括盖体。"), ppr='<w:pPr><w:pStyle w:val="Claim"/><w:numPr><w:numId w:val="3"/></w:numPr></w:pPr>'),
    p(t("根据权利要求4所述的杯盖，其特征在于，所述盖体为圆形。"), ppr='<w:pPr><w:pStyle w:val="Claim"/></w:pPr>'),
), NUMBERED_PARTS, NUMBERED_TYPES),
    "1.\t一种杯子，包括杯体。\n"
    "2.\t根据权利要求1所述的杯子，其特征在于，所述杯体为圆柱形。\n"
    "3.\t根据权利要求1所述的杯子，其特征在于，所述手柄为塑料。\n"
    "1、一种杯盖，包括盖体。\n"
    "2、根据权利要求4所述的杯盖，其特征在于，所述盖体为圆形。\n")

# Tracked changes as accepted, a field as its result, a line break, hidden text, a tab, split runs.
FIELD = ('<w:r><w:fldChar w:fldCharType="begin"/></w:r><w:r><w:instrText xml:space="preserve"> SEQ claim </w:instrText></w:r>'
         '<w:r><w:fldChar w:fldCharType="separate"/></w:r>' + t("2") + '<w:r><w:fldChar w:fldCharType="end"/></w:r>')
write("revisions", package(document(
    p(t("1.一种"), '<w:ins w:id="1" w:author="A"><w:r><w:t>电动</w:t></w:r></w:ins>',
      '<w:del w:id="2" w:author="A"><w:r><w:delText>手动</w:delText></w:r></w:del>', t("牙刷，包括刷头", '<w:rPr><w:b/></w:rPr>'),
      t("（隐藏）", '<w:rPr><w:vanish/></w:rPr>'), t("和刷柄。")),
    p(FIELD, t(".根据权利要求1所述的牙刷，其特征在于，"), '<w:r><w:br/></w:r>', t("所述刷头可拆卸。")),
    p('<w:fldSimple w:instr=" SEQ claim "><w:r><w:t>3</w:t></w:r></w:fldSimple>', t("."), '<w:r><w:tab/></w:r>',
      t("根据权利要求1所述的牙刷，其特征在于，所述刷柄"),
      '<w:moveFrom w:id="3" w:author="A"><w:r><w:t>中空</w:t></w:r></w:moveFrom>', t("为塑料。。")),
)), "1.一种电动牙刷，包括刷头和刷柄。\n2.根据权利要求1所述的牙刷，其特征在于，\n所述刷头可拆卸。\n"
    "3.\t根据权利要求1所述的牙刷，其特征在于，所述刷柄为塑料。。\n")

# Claims in a table's cells, as some firms' templates hold them.
def cell(text):
    return f'<w:tc><w:tcPr/>{p(t(text))}</w:tc>'
write("table", package(document(
    p(t("权 利 要 求 书")),
    '<w:tbl><w:tblPr/>' + '<w:tr>' + cell("1.一种灯，包括灯座。") + '</w:tr>'
    + '<w:tr>' + cell("3.根据权利要求1所述的灯，其特征在于，所述灯罩为玻璃。") + '</w:tr></w:tbl>',
    p(t("说明书")), p(t("本发明涉及一种灯。")),
)), "1.一种灯，包括灯座。\n3.根据权利要求1所述的灯，其特征在于，所述灯罩为玻璃。\n")

# All five parts: only the claims are read.
write("five_parts", package(document(
    p(t("说明书摘要")), p(t("一种笔，包括笔杆。")), p(t("摘要附图")), p(t("图1")),
    p(t("权利要求书")), p(t("1.一种笔，包括笔杆；")), p(t("2.根据权利要求1所述的笔，其特征在于，所述笔帽为金属。")),
    p(t("说明书")), p(t("技术领域")), p(t("1.本发明涉及一种笔。")), p(t("说明书附图")), p(t("图1")),
)), "1.一种笔，包括笔杆；\n2.根据权利要求1所述的笔，其特征在于，所述笔帽为金属。\n")

# No heading: the whole document; characters outside GBK kept.
write("no_heading", package(document(
    p(t("1.一种𠀀化合物，其结构如式😀所示。")), p(t("2.根据权利要求1所述的化合物，其特征在于，所述𠀀基为甲基。")),
)), "1.一种𠀀化合物，其结构如式😀所示。\n2.根据权利要求1所述的化合物，其特征在于，所述𠀀基为甲基。\n")

# A document that already has comments.
COMMENTS = HEAD + (f'<w:comments xmlns:w="{W}"><w:comment w:id="0" w:author="审核人" w:initials="S">'
                   '<w:p><w:r><w:t>请核对主题。</w:t></w:r></w:p></w:comment></w:comments>')
write("commented", package(document(
    p(t("权利要求书")),
    p('<w:commentRangeStart w:id="0"/>', t("1.一种椅子，包括椅面。"), '<w:commentRangeEnd w:id="0"/>',
      '<w:r><w:commentReference w:id="0"/></w:r>'),
    p(t("2.根据权利要求1所述的椅子，其特征在于，所述椅腿为木质。")),
), {"word/comments.xml": COMMENTS,
    "word/_rels/document.xml.rels": HEAD + '<Relationships xmlns="http://schemas.openxmlformats.org/package/2006/relationships">'
    '<Relationship Id="rId5" Type="http://schemas.openxmlformats.org/officeDocument/2006/relationships/comments" Target="comments.xml"/></Relationships>'},
    '<Override PartName="/word/comments.xml" ContentType="application/vnd.openxmlformats-officedocument.wordprocessingml.comments+xml"/>'),
    "1.一种椅子，包括椅面。\n2.根据权利要求1所述的椅子，其特征在于，所述椅腿为木质。\n")

# The slips the certain corrections mend, for the reviewed copy: "据权利要求" cut across two
# runs, a doubled word and doubled punctuation inside a bold run (split, both halves bold), a
# character outside GBK beside them, a final "；".
BOLD = '<w:rPr><w:b/></w:rPr>'
write("slips", package(document(
    p(t("权利要求书")),
    p(t("1.一种杯子，其特征在于，包括杯体和手柄。")),
    p(t("2.据权利"), t("要求1所述的杯子，其特征在于，"), t("所述所述手柄为𠀀塑料，，且为圆形。", BOLD)),
    p(t("3.根据权利要求2所述的杯子，其特征在于，所述杯体为圆形；")),
)), "1.一种杯子，其特征在于，包括杯体和手柄。\n2.据权利要求1所述的杯子，其特征在于，所述所述手柄为𠀀塑料，，且为圆形。\n"
    "3.根据权利要求2所述的杯子，其特征在于，所述杯体为圆形；\n")

# Claims Word numbers itself, with a gap: the fourth claim's list starts at 5. The renumbering
# changes the reference, never Word's numbers, which only the drafter's list can mend.
GAP_NUMBERING = NUMBERING.replace('</w:numbering>',
    '<w:num w:numId="5"><w:abstractNumId w:val="0"/><w:lvlOverride w:ilvl="0">'
    '<w:startOverride w:val="5"/></w:lvlOverride></w:num></w:numbering>')
write("numbered_gap", package(document(
    p(t("权利要求书")),
    p(t("一种门锁，其特征在于，包括锁体。"), ppr=num(1)),
    p(t("根据权利要求1所述的门锁，其特征在于，所述锁体为钢制。"), ppr=num(1)),
    p(t("根据权利要求1所述的门锁，其特征在于，包括锁舌。"), ppr=num(1)),
    p(t("根据权利要求3所述的门锁，其特征在于，所述锁舌为铜制。"), ppr=num(5)),
    p(t("根据权利要求5所述的门锁，其特征在于，所述锁舌为圆柱形。"), ppr=num(5)),
), {"word/numbering.xml": GAP_NUMBERING, "word/styles.xml": STYLES}, NUMBERED_TYPES),
    "1.\t一种门锁，其特征在于，包括锁体。\n2.\t根据权利要求1所述的门锁，其特征在于，所述锁体为钢制。\n"
    "3.\t根据权利要求1所述的门锁，其特征在于，包括锁舌。\n5.\t根据权利要求3所述的门锁，其特征在于，所述锁舌为铜制。\n"
    "6.\t根据权利要求5所述的门锁，其特征在于，所述锁舌为圆柱形。\n")

# What must be refused.
with open("word97.doc", "wb") as f:
    f.write(b"\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1" + b"\0" * 504 + "WordDocument".encode("utf-16-le"))
with open("bad_encrypted.docx", "wb") as f:
    f.write(b"\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1" + b"\0" * 504 + "EncryptedPackage".encode("utf-16-le"))
odt = io.BytesIO()
with zipfile.ZipFile(odt, "w") as z:
    z.writestr(entry("mimetype", False), "application/vnd.oasis.opendocument.text")
    z.writestr(entry("content.xml", False), "<office:document-content/>")
write("bad_odt", odt.getvalue())
write("bad_xml", package(document(p(t("1.一种杯子。"))).replace("</w:body>", "</w:bod>")))
bomb = io.BytesIO()
with zipfile.ZipFile(bomb, "w", zipfile.ZIP_DEFLATED) as z:
    z.writestr(entry("[Content_Types].xml"), TYPES.format(extra=""))
    z.writestr(entry("word/document.xml"), b" " * (8 << 20))
write("bad_bomb", bomb.getvalue())
climb = io.BytesIO()
with zipfile.ZipFile(climb, "w") as z:
    z.writestr(entry("[Content_Types].xml"), TYPES.format(extra=""))
    z.writestr(entry("../evil.xml", False), "<x/>")
write("bad_path", climb.getvalue())
write("bad_zip", package(document(p(t("1.一种杯子。"))))[:200])
