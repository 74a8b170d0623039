// "保存报告": the engine's saved report offered as a download.

// Offers `contents`, the saved report as text or as a web page (`format` 'txt' or 'html'), for
// download as `name` with that ending.
export function Download(contents, format, name) {
  const type = format === 'html' ? 'text/html;charset=utf-8' : 'text/plain;charset=utf-8';
  const link = document.createElement('a');
  link.href = URL.createObjectURL(new Blob([contents], { type }));
  link.download = `${name}.${format}`;
  link.click();
  setTimeout(() => URL.revokeObjectURL(link.href), 0);
}
