// The page that plays a story: the console and the input line of the game window, the player's
// actions on the game, and the story files the page opens. Every rule of the game is the core's
// (zuft.js, zuft.wasm); this script draws what the core holds and keeps the game in the
// browser after every action.
import * as messages from './messages.js';
import * as storage from './storage.js';

const $ = id => document.getElementById(id);
const output = $('Output');
const input = $('Input1');
const status = $('Status');

function tell(note) { status.textContent = note; }
const why = error => error.message ?? String(error);

const zuft = await createZuft().catch(error => {
    tell('Игру не удалось загрузить: ' + why(error));
    throw error;
});
let game = null;  // the zuft.Game being played
let typed = [];   // the lines the player typed in this game, oldest first, for Up and Down
let recalled = 0; // the line of `typed` that Up and Down stand on; its length for a new line

// The player's actions run one after another: a line typed while the boxes of the turn before
// are open waits for them. The page counts the actions done, so that a test can wait for one.
let queue = Promise.resolve();
let done = 0;
function act(action) {
    queue = queue.then(action).catch(error => tell('Ошибка страницы: ' + why(error)));
    queue = queue.finally(() => {
        document.body.dataset.done = ++done;
        // Chromium gives the focus back to the input line when a box closes under a click, but
        // the line takes no keys then until it is focused anew.
        input.blur();
        input.focus();
    });
    return queue;
}

// Shows the console as the core holds it: from its start after the opening, at its end after a
// turn, as the game window does.
function draw() {
    output.textContent = game.screen();
    output.scrollTop = game.screenAtEnd() ? output.scrollHeight : 0;
    const refill = game.takeInput();
    if (refill !== null)
        input.value = refill;
    typed = game.typedLines();
    recalled = typed.length;
    $('Undo').disabled = !game.canUndo();
    $('Redo').disabled = !game.canRedo();
}

// After each action: the game is drawn and kept, then the author sees what the story said.
async function finish() {
    draw();
    try {
        await storage.keepSave(game.storyName(), game.saveText());
    } catch (error) {
        tell('Игру не удалось сохранить в браузере: ' + why(error));
    }
    await messages.present(game.takeMessages());
}

function playTurn() {
    const line = input.value;
    input.value = '';
    return act(async () => {
        tell('');
        game.turn(line);
        await finish();
    });
}

function undoOrRedo(undo) {
    return act(async () => {
        tell(undo ? game.undo() : game.redo());
        await finish();
    });
}

function restart() {
    return act(async () => {
        if (!await messages.confirm('Начать историю заново? «Отменить ход» вернёт игру.'))
            return;
        tell('');
        game.restart();
        await finish();
    });
}

// A story's bytes: the game kept for it goes on, or it starts from its opening. False when the
// bytes are no story; the author has been told why.
async function openStory(name, bytes, fromDisk) {
    const next = new zuft.Game();
    if (!next.open(bytes, name)) {
        await messages.present(next.takeMessages(), true);
        next.delete();
        return false;
    }
    game?.delete();
    game = next;
    $('StoryName').textContent = game.storyName();
    tell(await resume());
    try {
        await storage.keepLastStory(fromDisk ? game.storyName() : null, bytes);
    } catch (error) {
        tell('Браузер не сохранил историю, после перезагрузки страницы её придётся открыть ' +
             'снова: ' + why(error));
    }
    await finish();
    return true;
}

// Brings back the game kept for the story just opened, or begins it; says what the player
// should know about it.
async function resume() {
    const kept = await storage.keptSave(game.storyName());
    if (kept === undefined) {
        game.begin();
        return '';
    }
    const result = game.restore(kept);
    if (result.done)
        return result.note || 'Игра продолжается с того места, где её оставили. ' +
                                  '«Начать заново» начинает историю сначала.';
    game.begin();
    const note = 'Сохранённую игру не удалось продолжить: ' + result.note;
    try {
        const aside = await storage.setSaveAside(game.storyName(), kept);
        return `${note} История начата сначала, а прежняя игра отложена как «${aside}».`;
    } catch (error) {
        return `${note} История начата сначала; прежнюю игру не удалось отложить: ${why(error)}`;
    }
}

async function openDemo() {
    const response = await fetch('demo.teg');
    if (!response.ok)
        throw new Error(`demo.teg: ${response.status} ${response.statusText}`);
    await openStory('demo.teg', new Uint8Array(await response.arrayBuffer()), false);
}

// A file the player chose or dropped. No more is read of it than the largest story and one
// byte: the engine refuses a larger one itself, with the message a file gets everywhere.
function openFile(file) {
    return act(async () => {
        const bytes = await file.slice(0, zuft.largestStory + 1).arrayBuffer();
        await openStory(file.name, new Uint8Array(bytes), true);
    });
}

function exportSave() {
    return act(() => {
        const link = document.createElement('a');
        link.href = URL.createObjectURL(new Blob([game.saveText()], {type: 'text/plain'}));
        link.download = game.storyName().replace(/\.teg$/i, '') + '.zsave';
        link.click();
        setTimeout(() => URL.revokeObjectURL(link.href), 0);
    });
}

function importSave(file) {
    return act(async () => {
        if (file.size > zuft.largestSave) {
            tell(`Игра не загружена из ${file.name}: файл слишком велик для сохранения.`);
            return;
        }
        const result = game.restore(new Uint8Array(await file.arrayBuffer()));
        tell(result.done ? `Игра загружена из ${file.name}. ${result.note}`.trim()
                         : `Игра не загружена из ${file.name}: ${result.note}`);
        await finish();
    });
}

// Enter plays the line; Up and Down recall the lines typed before; Ctrl+Z in an empty line
// undoes a turn and Ctrl+Shift+Z redoes it, so that they never take an edit of the line back.
input.addEventListener('keydown', event => {
    const undoKey = (event.ctrlKey || event.metaKey) && event.code === 'KeyZ';
    if (event.key === 'Enter')
        playTurn();
    else if (event.key === 'ArrowUp' && recalled > 0)
        input.value = typed[--recalled];
    else if (event.key === 'ArrowDown' && recalled < typed.length)
        input.value = typed[++recalled] ?? '';
    else if (undoKey && event.shiftKey)
        undoOrRedo(false);
    else if (undoKey && input.value === '')
        undoOrRedo(true);
    else
        return;
    event.preventDefault();
});

// A file chosen in a picker; the picker is emptied, so that the same file can be chosen again.
function whenChosen(picker, then) {
    picker.addEventListener('change', () => {
        const file = picker.files[0];
        picker.value = '';
        if (file)
            then(file);
    });
}
whenChosen($('fs'), openFile);
whenChosen($('SaveFile'), importSave);

$('OpenStory').addEventListener('click', () => $('fs').click());
$('Demo').addEventListener('click', () => act(openDemo));
$('Undo').addEventListener('click', () => undoOrRedo(true));
$('Redo').addEventListener('click', () => undoOrRedo(false));
$('Restart').addEventListener('click', restart);
$('ExportSave').addEventListener('click', exportSave);
$('ImportSave').addEventListener('click', () => $('SaveFile').click());
// «Справка» → «Как играть»: the core's text, as the game window and zuft-cli show it.
$('HowToPlayShown').addEventListener('click', () => {
    $('HowToPlay').querySelector('p').textContent = zuft.howToPlay();
    $('HowToPlay').showModal();
});

// A menu closes once an item is chosen, or when the player clicks anywhere else.
document.addEventListener('click', event => {
    for (const menu of document.querySelectorAll('.menu[open]'))
        if (!menu.contains(event.target) || event.target.closest('button'))
            menu.open = false;
});

// A story file dropped anywhere on the page opens.
document.addEventListener('dragover', event => {
    event.preventDefault();
    document.body.classList.add('dropping');
});
document.addEventListener('dragleave', () => document.body.classList.remove('dropping'));
document.addEventListener('drop', event => {
    event.preventDefault();
    document.body.classList.remove('dropping');
    if (event.dataTransfer.files.length)
        openFile(event.dataTransfer.files[0]);
});

// The page plays the story last opened from the disk, or else the bundled demo.
act(async () => {
    const last = storage.lastStory();
    const bytes = last === null ? undefined : await storage.keptStory(last);
    if (bytes === undefined || !await openStory(last, bytes, true))
        await openDemo();
});
