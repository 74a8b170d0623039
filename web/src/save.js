// "保存报告" and "保存批注版…": what the page makes offered as a download, which leaves nothing
// but the browser's own downloads folder.

// Offers `blob` for download as `fileName`.
export function Offer(blob, fileName) {
  const link = document.createElement('a');
  link.href = URL.createObjectURL(blob);
  link.download = fileName;
  link.click();
  setTimeout(() => URL.revokeObjectURL(link.href), 0);
}

// Offers `contents`, the saved report as text or as a web page (`format` 'txt' or 'html'), for
// download as `name` with that ending.
export function Download(contents, format, name) {
  const type = format === 'html' ? 'text/html;charset=utf-8' : 'text/plain;charset=utf-8';
  Offer(new Blob([contents], { type }), `${name}.${format}`);
}
