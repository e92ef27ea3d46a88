// The game's pictures come as XPM text from the module; this turns one into
// a canvas of its own pixels (None is transparent).
export function xpmCanvas(text) {
  const rows = text.split('\n').map((line) => {
    const quoted = /"(.*)"/.exec(line);
    return quoted ? quoted[1] : line;
  });
  const [width, height, colourCount, perPixel] = rows[0].trim().split(/\s+/).map(Number);
  const colours = new Map();
  for (const row of rows.slice(1, 1 + colourCount)) {
    const value = /\bc\s+(\S+)/.exec(row.slice(perPixel))[1];
    colours.set(row.slice(0, perPixel), value.toLowerCase() === 'none' ? null : value);
  }
  const canvas = document.createElement('canvas');
  canvas.width = width;
  canvas.height = height;
  const context = canvas.getContext('2d');
  rows.slice(1 + colourCount, 1 + colourCount + height).forEach((row, y) => {
    for (let x = 0; x < width; ++x) {
      const colour = colours.get(row.slice(x * perPixel, (x + 1) * perPixel));
      if (!colour) continue;
      context.fillStyle = colour;
      context.fillRect(x, y, 1, 1);
    }
  });
  return canvas;
}
