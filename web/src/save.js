// "保存报告": the box's text as a download, either as UTF-8 text or as a web page that shows the
// inside of each mark in red, as the box does.

function Escape(text) {
  return text.replace(/[&<>]/g, (c) => ({ '&': '&amp;', '<': '&lt;', '>': '&gt;' })[c]);
}

// A page of its own for `text` and its `marks` ({ start, end } ranges, in order).
export function ReportPage(text, marks) {
  let body = '';
  let at = 0;
  for (const mark of marks) {
    body += Escape(text.slice(at, mark.start)) +
      `<span style="color:#FF0000">${Escape(text.slice(mark.start, mark.end))}</span>`;
    at = mark.end;
  }
  body += Escape(text.slice(at));
  return '<!DOCTYPE html>\n<html lang="zh-CN">\n<head>\n<meta charset="utf-8">\n' +
    '<title>权利要求书检查报告</title>\n</head>\n<body>\n' +
    `<pre style="white-space:pre-wrap;font-family:宋体,SimSun,serif">${body}</pre>\n</body>\n</html>\n`;
}

// Offers the report for download as "权利要求书检查报告.txt" or ".html" (`format`).
export function SaveReport(text, marks, format) {
  const content = format === 'html' ? ReportPage(text, marks) : text;
  const type = format === 'html' ? 'text/html;charset=utf-8' : 'text/plain;charset=utf-8';
  const link = document.createElement('a');
  link.href = URL.createObjectURL(new Blob([content], { type }));
  link.download = `权利要求书检查报告.${format}`;
  link.click();
  setTimeout(() => URL.revokeObjectURL(link.href), 0);
}
