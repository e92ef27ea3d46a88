// The game's pictures come from the module decoded, one 0xAARRGGBB number a
// pixel; this puts one on a canvas of its own to draw from.
export function pictureCanvas(picture) {
  const canvas = document.createElement('canvas');
  canvas.width = picture.width;
  canvas.height = picture.height;
  const context = canvas.getContext('2d');
  const image = context.createImageData(picture.width, picture.height);
  picture.argb.forEach((argb, i) => {
    image.data.set([(argb >>> 16) & 0xff, (argb >>> 8) & 0xff, argb & 0xff, argb >>> 24], 4 * i);
  });
  context.putImageData(image, 0, 0);
  return canvas;
}
