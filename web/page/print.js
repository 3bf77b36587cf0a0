// Lays a printed page (a worksheet or the answer key's pages) out for the browser's print
// dialog: positions in twips become points, twenty twips to the point; lines are drawn in twips.
const pt = (twips) => `${twips / 20}pt`;

export function printPages(pages, width, height) {
  const area = document.getElementById('print-area');
  area.replaceChildren();
  for (const marks of pages) {
    const sheet = document.createElement('div');
    sheet.className = 'sheet';
    sheet.style.width = pt(width);
    sheet.style.height = pt(height);
    const lines = document.createElementNS('http://www.w3.org/2000/svg', 'svg');
    lines.setAttribute('viewBox', `0 0 ${width} ${height}`);
    lines.setAttribute('class', 'lines');
    sheet.append(lines);
    for (const mark of marks) {
      if (mark.type === 'line') {
        const line = document.createElementNS('http://www.w3.org/2000/svg', 'line');
        for (const [name, value] of [['x1', mark.x], ['y1', mark.y], ['x2', mark.toX], ['y2', mark.toY]]) line.setAttribute(name, value);
        lines.append(line);
        continue;
      }
      const element = document.createElement('div');
      if (mark.type === 'text') {
        element.className = 'mark';
        element.textContent = mark.text;
        element.style.left = pt(mark.x);
        element.style.top = pt(mark.y);
        element.style.fontSize = `${mark.size}pt`;
      } else {
        element.className = 'ring';
        element.style.left = pt(mark.x - mark.size);
        element.style.top = pt(mark.y - mark.size);
        element.style.width = pt(2 * mark.size);
        element.style.height = pt(2 * mark.size);
      }
      sheet.append(element);
    }
    area.append(sheet);
  }
  let paper = document.getElementById('paper-size');
  if (!paper) {
    paper = document.createElement('style');
    paper.id = 'paper-size';
    document.head.append(paper);
  }
  paper.textContent = `@page { size: ${pt(width)} ${pt(height)}; margin: 0; }`;
}
