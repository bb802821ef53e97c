// Messages to the story's author, shown as the player chose: as boxes, one after another, as
// the game window shows them; in a panel beside the console, which never stops the game; or not
// at all. The choice is remembered.

import * as pieces from './pieces.js';

const box = document.getElementById('Message');
const panel = document.getElementById('Panel');
const modeChoice = document.getElementById('MessageMode');

// The panel keeps the newest messages, as many as the engine says; older ones are dropped from
// its top.
let mostInPanel = 1000;
export function keepInPanel(most) {
    mostInPanel = most;
}

let mode = 'boxes';
try {
    mode = localStorage.getItem('zuft.messages') || mode;
} catch {
    // a browser that keeps nothing shows boxes
}
modeChoice.value = mode;
panel.hidden = mode !== 'panel';
modeChoice.addEventListener('change', () => {
    mode = modeChoice.value;
    panel.hidden = mode !== 'panel';
    try {
        localStorage.setItem('zuft.messages', mode);
    } catch {
        // the choice holds until the page is closed
    }
});

// A message's lines are separated by CR alone.
const lines = text => text.replace(/\r/g, '\n');

// Shows a box and resolves to the value of the button that closed it.
function answer(dialog, otherwise) {
    dialog.returnValue = otherwise; // Escape closes it without a button
    dialog.showModal();
    return new Promise(resolve => dialog.addEventListener(
                           'close', () => resolve(dialog.returnValue), {once: true}));
}

// Shows one box and waits for the author to close it: 'ok', or 'skip' for the rest of them.
function showBox(message, more) {
    box.querySelector('h2').textContent = message.title;
    const text = box.querySelector('p');
    pieces.show(text.querySelector('span'), lines(message.text));
    text.className = message.icon;
    const skip = box.querySelector('.skip');
    skip.hidden = more === 0;
    skip.textContent = `Не показывать остальные (${more})`;
    return answer(box, 'ok');
}

// The panel's line for one message; of a message longer than anyone reads there, its start, as
// the engine cut it.
function panelItem(message) {
    const item = document.createElement('li');
    const where = message.line ? ` (строка ${message.line})` : '';
    item.innerHTML = '<b></b><span class="line"></span>\n';
    item.querySelector('b').textContent = message.title;
    item.querySelector('.line').textContent = where;
    item.append(lines(message.entry));
    return item;
}

function addToPanel(messages) {
    const list = panel.querySelector('ol');
    list.append(...messages.map(panelItem));
    while (list.childElementCount > mostInPanel)
        list.firstElementChild.remove();
    panel.scrollTop = panel.scrollHeight;
}

// The messages of one action of the player: resolves once the author has seen them. `always`:
// in boxes whatever the choice, for a story that cannot be played at all.
export async function present(messages, always = false) {
    const shown = always ? 'boxes' : mode;
    if (shown === 'none')
        return;
    if (shown === 'panel')
        return addToPanel(messages);
    for (let i = 0; i < messages.length; ++i)
        if (await showBox(messages[i], messages.length - i - 1) === 'skip')
            break;
}

// Asks a question in a box with a button for each answer ({value: label}); resolves to the
// value of the one pressed, or `otherwise` for Escape.
export function choose(title, question, answers, otherwise) {
    const dialog = document.getElementById('Confirm');
    dialog.querySelector('h2').textContent = title;
    dialog.querySelector('p').textContent = question;
    const buttons = dialog.querySelector('.buttons');
    buttons.replaceChildren(...Object.entries(answers).map(([value, label]) => {
        const button = document.createElement('button');
        button.type = 'submit';
        button.value = value;
        button.textContent = label;
        button.autofocus = value === otherwise;
        return button;
    }));
    return answer(dialog, otherwise);
}

// Asks a yes-or-no question in a box; resolves to true for «Да».
export async function confirm(title, question) {
    return await choose(title, question, {yes: 'Да', no: 'Нет'}, 'no') === 'yes';
}
