// «История игры»: the whole game so far in a box of its own, as the core tells it, with find
// (Enter or «Найти далее» for the next, Shift+Enter for the previous, ignoring case, going round
// the end) and «Сохранить как текст…», a download of what the box shows.
import * as pieces from './pieces.js';

const $ = id => document.getElementById(id);
const box = $('History');
const text = $('HistoryText');
const find = $('HistoryFind');
const found = $('HistoryFound');

let whole = '';   // the history shown
let lowered = ''; // the history in lower case, for find
let at = -1;      // where the last find stopped

export function show(history) {
    whole = history;
    pieces.show(text, history);
    lowered = history.toLocaleLowerCase('ru');
    at = -1;
    found.textContent = '';
    box.showModal();
    text.scrollTop = 0;
    text.focus();
}

function findNext(backward) {
    const wanted = find.value.toLocaleLowerCase('ru');
    if (wanted === '')
        return;
    let next = backward ? lowered.lastIndexOf(wanted, at - 1) : lowered.indexOf(wanted, at + 1);
    if (next < 0)
        next = backward ? lowered.lastIndexOf(wanted) : lowered.indexOf(wanted);
    if (next < 0) {
        found.textContent = `«${find.value}» в истории игры не найдено.`;
        return;
    }
    at = next;
    found.textContent = '';
    const range = document.createRange();
    range.setStart(...pieces.place(text, next));
    range.setEnd(...pieces.place(text, next + wanted.length));
    const selection = getSelection();
    selection.removeAllRanges();
    selection.addRange(range);
    const place = range.getBoundingClientRect();
    const view = text.getBoundingClientRect();
    text.scrollTop += place.top - view.top - view.height / 3;
}

export function listen(download) {
    find.addEventListener('keydown', event => {
        if (event.key !== 'Enter')
            return;
        event.preventDefault();
        findNext(event.shiftKey);
    });
    // Ctrl+F goes to the find line, F3 and Shift+F3 find again, as in the game window.
    box.addEventListener('keydown', event => {
        if ((event.ctrlKey || event.metaKey) && event.code === 'KeyF')
            find.focus();
        else if (event.key === 'F3')
            findNext(event.shiftKey);
        else
            return;
        event.preventDefault();
    });
    $('HistoryNext').addEventListener('click', () => findNext(false));
    $('HistorySave').addEventListener(
        'click', () => download(whole, 'История игры.txt'));
}
