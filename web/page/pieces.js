// A long text in the page (the console, «История игры», a box for the author) goes in as pieces
// of at most kPiece characters, each laid out only once it comes into view, so that a turn that
// printed megabytes shows at once instead of freezing the page for a minute. A piece ends at a
// line break where one is near; a line longer than a piece goes on in the next one, on a line of
// its own, as the game window breaks such a line too.
const kPiece = 4096;

export function show(element, text) {
    const pieces = document.createDocumentFragment();
    for (let start = 0; start < text.length;) {
        // The line break is looked for in the piece alone: a text of one endless line is not
        // searched back to its start for every piece.
        let part = text.slice(start, start + kPiece);
        const lineEnd = part.lastIndexOf('\n');
        if (start + part.length < text.length && lineEnd >= kPiece / 2)
            part = part.slice(0, lineEnd + 1);
        const piece = document.createElement('span');
        piece.className = 'piece';
        piece.textContent = part;
        // Its height until it is laid out: a line for each line break and each 70 characters.
        const lines = part.split('\n').length + part.length / 70;
        piece.style.containIntrinsicSize = `auto ${Math.ceil(lines * 1.25)}em`;
        pieces.append(piece);
        start += part.length;
    }
    element.replaceChildren(pieces);
}

// The place of a character of the text shown: its piece's text and the offset in it.
export function place(element, offset) {
    for (const piece of element.children) {
        const length = piece.textContent.length;
        if (offset <= length)
            return [piece.firstChild, offset];
        offset -= length;
    }
    return [element, 0];
}
