// "保存报告": what the box holds as a download, either as UTF-8 text or as a web page that shows
// the inside of each mark in red, as the box does.
import { WalkBlock } from './TextBox.js';

function Escape(text) {
  return text.replace(/[&<>]/g, (c) => ({ '&': '&amp;', '<': '&lt;', '>': '&gt;' })[c]);
}

// The text of the box `element` (lines separated by "\n") and the same as HTML, with each mark's
// inside in a red element.
export function ReportContents(element) {
  const text = [];
  const html = [];
  Array.from(element.childNodes).forEach((block, index) => {
    if (index > 0) {
      text.push('\n');
      html.push('\n');
    }
    WalkBlock(block, (piece, mark) => {
      text.push(piece);
      html.push(mark ? `<span style="color:#FF0000">${Escape(piece)}</span>` : Escape(piece));
    });
  });
  return { text: text.join(''), html: html.join('') };
}

// A page of its own for the report's HTML, titled `title`.
function ReportPage(html, title) {
  return '<!DOCTYPE html>\n<html lang="zh-CN">\n<head>\n<meta charset="utf-8">\n' +
    `<title>${Escape(title)}</title>\n</head>\n<body>\n` +
    `<pre style="white-space:pre-wrap;font-family:宋体,SimSun,serif">${html}</pre>\n</body>\n</html>\n`;
}

// Offers what the box `element` holds for download as `name` with the ending ".txt" or ".html"
// (`format`).
export function SaveReport(element, format, name) {
  const contents = ReportContents(element);
  const blob = format === 'html'
    ? new Blob([ReportPage(contents.html, name)], { type: 'text/html;charset=utf-8' })
    : new Blob([contents.text], { type: 'text/plain;charset=utf-8' });
  const link = document.createElement('a');
  link.href = URL.createObjectURL(blob);
  link.download = `${name}.${format}`;
  link.click();
  setTimeout(() => URL.revokeObjectURL(link.href), 0);
}
