// The keys of the game window's input line: Enter plays the line; Up and Down walk the lines
// typed before, keeping a half-typed one to come back to; Ctrl+Z undoes a turn and
// Ctrl+Shift+Z or Ctrl+Y redoes it, but only on an empty line, where they would undo no
// editing; PgUp, PgDn, Ctrl+Home and Ctrl+End scroll the console from the line; keys typed in
// the console go to the line; Ctrl+H shows «История игры»; Escape closes an open menu; Ctrl+=
// and Ctrl+- change the text's size, which is kept.
const input = document.getElementById('Input1');
const output = document.getElementById('Output');

let typed = [];
let walk = 0;          // the line of `typed` shown, its length for the line being typed
let beingTyped = '';

export function recallFrom(lines) {
    typed = lines;
    walk = typed.length;
}

export function typedAnew() {
    walk = typed.length;
    beingTyped = '';
}

function walkTyped(step) {
    const to = Math.min(Math.max(walk + step, 0), typed.length);
    if (to === walk)
        return;
    if (walk === typed.length)
        beingTyped = input.value;
    walk = to;
    input.value = walk === typed.length ? beingTyped : typed[walk];
}

function scrollConsole(event) {
    const page = Math.max(output.clientHeight - 20, 20);
    const control = event.ctrlKey || event.metaKey;
    if (event.key === 'PageUp' && !control)
        output.scrollTop -= page;
    else if (event.key === 'PageDown' && !control)
        output.scrollTop += page;
    else if (event.key === 'Home' && control)
        output.scrollTop = 0;
    else if (event.key === 'End' && control)
        output.scrollTop = output.scrollHeight;
    else
        return false;
    return true;
}

// The text's size in pixels, from 12 to 32, kept for the next visit.
let size = 16;
try {
    size = Number(localStorage.getItem('zuft.size')) || size;
} catch {
    // a browser that keeps nothing starts at the usual size
}
function resize(step) {
    size = Math.min(Math.max(size + step, 12), 32);
    document.documentElement.style.setProperty('--text-size', size + 'px');
    try {
        localStorage.setItem('zuft.size', size);
    } catch {
        // the size holds until the page is closed
    }
}
resize(0);

export function listen({play, undo, redo, history}) {
    input.addEventListener('keydown', event => {
        const control = event.ctrlKey || event.metaKey;
        const undoKey = control && event.code === 'KeyZ' && !event.altKey;
        const redoKey = (undoKey && event.shiftKey) ||
                        (control && event.code === 'KeyY' && !event.shiftKey && !event.altKey);
        if (event.key === 'Enter' && !event.isComposing)
            play();
        else if (event.key === 'ArrowUp' && !control && !event.shiftKey)
            walkTyped(-1);
        else if (event.key === 'ArrowDown' && !control && !event.shiftKey)
            walkTyped(+1);
        else if ((redoKey || undoKey) && input.value !== '')
            return; // the line's own undo
        else if (redoKey)
            redo();
        else if (undoKey)
            undo();
        else if (!scrollConsole(event))
            return;
        event.preventDefault();
    });

    // A letter typed while the console has the focus goes to the line, as in the window.
    output.addEventListener('keydown', event => {
        if (event.key.length === 1 && !event.ctrlKey && !event.metaKey && !event.altKey) {
            input.focus();
            input.setRangeText(event.key, input.selectionStart, input.selectionEnd, 'end');
            event.preventDefault();
        }
    });

    document.addEventListener('keydown', event => {
        const control = event.ctrlKey || event.metaKey;
        if (control && (event.key === '=' || event.key === '+'))
            resize(+1);
        else if (control && event.key === '-')
            resize(-1);
        else if (control && event.code === 'KeyH' && !document.querySelector('dialog[open]'))
            history();
        else if (event.key === 'Escape' && closeMenus())
            input.focus();
        else
            return;
        event.preventDefault();
    });

    // A menu closes once an item is chosen, or when the player clicks anywhere else.
    document.addEventListener('click', event => {
        for (const menu of document.querySelectorAll('.menu[open]'))
            if (!menu.contains(event.target) || event.target.closest('button'))
                menu.open = false;
    });
}

function closeMenus() {
    const open = document.querySelectorAll('.menu[open]');
    open.forEach(menu => menu.open = false);
    return open.length > 0;
}
