// Paints the play screen on a canvas from the game's scene, back to front,
// at the screen's device pixels: labels as the scene describes them (back
// colour, font, text colour, alignment, wrapped at word breaks and clipped),
// pictures stretched to their place without smoothing, and the explosion's
// strokes on a surface of their own behind them. What stands off the screen
// (a walker yet to come in, the banner waiting at the left) falls off the
// canvas, as off the window's edge.
import {cssFont, cssColour} from './looks.js';

export class Painter {
  constructor(canvas, size, back, sprites) {
    this.canvas = canvas;
    this.size = size;
    this.back = back;
    this.sprites = sprites;
    this.context = canvas.getContext('2d');
    this.surface = null;
    this.surfaceUsed = false;
    this.resize(1);
  }

  // Draws each designed pixel on `factor` CSS pixels, at the device's
  // pixels: text is drawn anew at that scale, and pictures are scaled
  // without smoothing, whole where the scale is (the layout takes a whole
  // scale where it fits nearly as well). What the explosion drew so far
  // comes along.
  resize(factor) {
    const scale = factor * (window.devicePixelRatio || 1);
    if (this.surface && scale === this.scale && factor === this.factor) return;
    [this.factor, this.scale] = [factor, scale];
    const [width, height] = this.size;
    Object.assign(this.canvas.style, {width: `${width * factor}px`, height: `${height * factor}px`});
    this.canvas.width = Math.round(width * scale);
    this.canvas.height = Math.round(height * scale);
    const surface = new OffscreenCanvas(this.canvas.width, this.canvas.height);
    if (this.surfaceUsed) {
      const c = surface.getContext('2d');
      c.imageSmoothingEnabled = false;
      c.drawImage(this.surface, 0, 0, surface.width, surface.height);
    }
    this.surface = surface;
    // Each label as last drawn: text costs far more to draw than to copy.
    this.labels = new Map();
  }

  paint(scene) {
    const c = this.context;
    const s = this.scale;
    c.setTransform(1, 0, 0, 1, 0, 0);
    c.imageSmoothingEnabled = false;
    c.fillStyle = cssColour(this.back);
    c.fillRect(0, 0, this.canvas.width, this.canvas.height);
    if (this.surfaceUsed) c.drawImage(this.surface, 0, 0);
    for (const item of scene) {
      const [left, top, width, height] = item.rect.map((v) => Math.round(v * s));
      if (item.kind === 'label') {
        this.label(item);
      } else {
        const sprite = item.kind === 'meteorite' ? this.sprites.meteorite : this.sprites.walkers[item.frame];
        c.drawImage(sprite, left, top, width, height);
      }
    }
  }

  label(item) {
    const [left, top] = item.rect.map((v) => Math.round(v * this.scale));
    const key = JSON.stringify([item.caption, item.rect[2], item.rect[3], item.font, item.back, item.colour, item.centre]);
    let drawn = this.labels.get(key);
    if (!drawn) {
      drawn = this.drawLabel(item);
      if (this.labels.size > 64) this.labels.clear();
      this.labels.set(key, drawn);
    }
    this.context.drawImage(drawn, left, top);
  }

  drawLabel(item) {
    const [, , width, height] = item.rect;
    const drawn = new OffscreenCanvas(Math.round(width * this.scale), Math.round(height * this.scale));
    const c = drawn.getContext('2d');
    c.scale(this.scale, this.scale);
    if (item.back) {
      c.fillStyle = cssColour(item.back);
      c.fillRect(0, 0, width, height);
    }
    c.font = cssFont(item.font);
    c.fillStyle = cssColour(item.colour);
    c.textBaseline = 'top';
    c.textAlign = item.centre ? 'center' : 'left';
    const x = item.centre ? width / 2 : 0;
    const lineHeight = item.font.points * 4 / 3 * 1.2;
    wrap(c, item.caption, width).forEach((line, i) => c.fillText(line, x, i * lineHeight));
    return drawn;
  }

  // One frame of the explosion's strokes, one pixel wide, onto its surface.
  strokes(strokes) {
    const c = this.surface.getContext('2d');
    this.surfaceUsed = true;
    c.setTransform(this.scale, 0, 0, this.scale, 0, 0);
    c.lineWidth = 1;
    for (const [isCircle, x1, y1, x2, y2, r, g, b] of strokes) {
      c.strokeStyle = `rgb(${r},${g},${b})`;
      c.beginPath();
      if (isCircle) {
        c.arc(x1, y1, x2, 0, 2 * Math.PI);
      } else {
        c.moveTo(x1, y1);
        c.lineTo(x2, y2);
      }
      c.stroke();
    }
  }
}

// The caption's lines: words as long as they fit, a word longer than the
// width on a line of its own.
function wrap(context, caption, width) {
  const lines = [];
  let line = '';
  for (const word of caption.split(/(?<= )/)) {
    if (line && context.measureText(line + word).width > width) {
      lines.push(line);
      line = word;
    } else {
      line += word;
    }
  }
  return [...lines, line];
}
