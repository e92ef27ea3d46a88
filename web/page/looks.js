// The design's fonts and colours in CSS terms. Fonts go by the design's own
// family names: page.css makes the page's fonts stand in for them.
export function cssFont({family, points, bold, italic}) {
  return `${italic ? 'italic ' : ''}${bold ? 'bold ' : ''}${points}pt "${family}"`;
}

// A colour as [r, g, b]; none is the system's text colour.
export function cssColour(rgb) {
  return rgb ? `rgb(${rgb[0]},${rgb[1]},${rgb[2]})` : 'black';
}
