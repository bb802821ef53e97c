// A long text in the page (the console, «История игры», a box for the author) goes in as pieces
// of at most kPiece characters, each laid out only once it comes into view, so that a turn that
// printed megabytes shows at once instead of freezing the page for a minute. A piece ends at a
// line break where one is near; a line longer than a piece goes on in the next one, on a line of
// its own, as the game window breaks such a line too.
const kPiece = 4096;

export function show(element, text) {
    const pieces = document.createDocumentFragment();
    for (let start = 0; start < text.length;) {
        let end = Math.min(start + kPiece, text.length);
        const lineEnd = text.lastIndexOf('\n', end - 1);
        if (end < text.length && lineEnd >= start + kPiece / 2)
            end = lineEnd + 1;
        const piece = document.createElement('span');
        piece.className = 'piece';
        piece.textContent = text.slice(start, end);
        // Its height until it is laid out: a line for each line break and each 70 characters.
        const lines = piece.textContent.split('\n').length + (end - start) / 70;
        piece.style.containIntrinsicSize = `auto ${Math.ceil(lines * 1.25)}em`;
        pieces.append(piece);
        start = end;
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
