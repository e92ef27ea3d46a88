// The program's message boxes as the page's modal <dialog>: its caption,
// text and OK, with キャンセル when the box asks a question. Escape answers
// Cancel, as closing a box does; the game counts that as OK for a box that
// has only OK. While the dialog is open the game is held and gets no keys;
// `opened` hears when one opens.
export class Boxes {
  constructor(dialog, answered, opened = () => {}) {
    this.dialog = dialog;
    this.answered = answered;
    this.opened = opened;
    this.caption = dialog.querySelector('.caption');
    this.text = dialog.querySelector('.text');
    this.icon = dialog.querySelector('.icon');
    this.ok = dialog.querySelector('.ok');
    this.cancel = dialog.querySelector('.cancel');
    this.ok.addEventListener('click', () => this.close(Boxes.OK));
    this.cancel.addEventListener('click', () => this.close(Boxes.CANCEL));
    dialog.addEventListener('cancel', (event) => {
      event.preventDefault();
      this.close(Boxes.CANCEL);
    });
  }

  get isOpen() {
    return this.dialog.open;
  }

  show({text, caption, okCancel, warning}) {
    this.caption.textContent = caption;
    this.text.textContent = text;
    this.cancel.hidden = !okCancel;
    this.icon.hidden = !warning;
    this.dialog.showModal();
    this.ok.focus();
    this.opened();
  }

  hide() {
    if (this.dialog.open) this.dialog.close();
  }

  close(answer) {
    if (!this.dialog.open) return;
    this.dialog.close();
    this.answered(answer);
  }
}

// The answers as the program numbers them.
Boxes.OK = 1;
Boxes.CANCEL = 2;
