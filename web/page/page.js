// The page that plays a story: the console and the input line of the game window, the player's
// actions on the game, and the story files the page opens. Every rule of the game is the core's,
// played in a worker (engine.js); this script draws what the core answers, keeps the game in the
// browser as it is played, and never waits on the engine: a long turn or replay can be stopped.
import {Engine, Stopped} from './engine.js';
import * as messages from './messages.js';
import * as pieces from './pieces.js';
import * as storage from './storage.js';
import * as history from './history.js';
import * as keys from './keys.js';

const $ = id => document.getElementById(id);
const output = $('Output');
const input = $('Input1');
const status = $('Status');

function tell(note) { status.textContent = note; }
const why = error => error?.message || String(error);

let engine = null; // the worker playing the game
let story = null;  // {name, bytes}: the story being played
// The game as the browser keeps it: its key (the story's name and digest), its save's header,
// its events in order, and whether this page writes them (another page may hold the game).
let kept = null;
let release = () => {}; // lets another page keep the game once this one no longer plays it
let stopWaiting = () => {}; // a page only watching gives up waiting to keep the game

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

// Something the engine does that may take long: after half a second the page says so and offers
// «Остановить», which ends the worker at once.
const busy = $('Busy');
let stopping = null;
async function waitFor(worker, asked, what) {
    let shown = false;
    const started = Date.now();
    const show = (text = what) => {
        shown = true;
        busy.querySelector('span').textContent = text;
        busy.hidden = false;
    };
    worker.onProgress = (count, total) => {
        if (Date.now() - started >= 500)
            show(`${what}: ${count.toLocaleString('ru')} из ${total.toLocaleString('ru')}`);
    };
    const timer = setTimeout(() => shown || show(), 500);
    stopping = () => worker.end();
    try {
        return await asked;
    } finally {
        clearTimeout(timer);
        stopping = null;
        busy.hidden = true;
    }
}
$('Stop').addEventListener('click', () => stopping?.());

function newEngine() {
    const worker = new Engine((count, total) => worker.onProgress?.(count, total));
    return worker;
}

// Shows what the engine answered: the console from its start when it changed (a blank line
// leaves it where the player scrolled it), and only the turn's new answer for a screen reader.
let typed = []; // the lines typed in this game, oldest first, for Up and Down
let shown = null; // what the console shows
function draw(state) {
    if (state.screen !== shown) {
        shown = state.screen;
        pieces.show(output, shown);
        output.scrollTop = 0;
        $('Answer').textContent = state.answer;
    }
    if (state.input !== null)
        input.value = state.input;
    if (state.typed.anew)
        typed = state.typed.lines;
    else
        typed.push(...state.typed.lines);
    keys.recallFrom(typed);
    $('Undo').disabled = !state.canUndo;
    $('Redo').disabled = !state.canRedo;
    $('StoryEmpty').hidden = state.screen !== '';
}

const saveText = game => game.header + game.events.join('');

// Keeps what the action added to the game, an event at a time; a game replaced (brought back
// from a save) is kept anew whole.
async function keep(record) {
    if (record.replaced) {
        Object.assign(kept, storage.asKept((await engine.ask('saveText')).save));
        if (kept.writable)
            await storage.keepGame(kept.key, kept);
        return;
    }
    for (const event of record.events) {
        kept.events.push(event);
        if (kept.writable)
            await storage.addEvent(kept.key, kept.events.length - 1, event);
    }
}

// The page that keeps a game tells the pages watching it what the player did, and they do the
// same in their own workers, so that they show the game as it goes, keeping nothing.
const watchers = globalThis.BroadcastChannel ? new BroadcastChannel('zuft') : null;
function tellWatchers(what) {
    if (kept.writable)
        watchers?.postMessage({key: kept.key, ...what});
}

async function follow(what) {
    if (what.turn !== undefined)
        return finish(await engine.ask('turn', {line: what.turn, stopAt: what.stopAt}));
    if (what.restart || what.redo)
        return finish(await engine.ask(what.restart ? 'restart' : 'redo'));
    Object.assign(kept, await storage.keptGame(kept.key));
    await rebuild('Игра в другой вкладке изменилась; здесь она показана как есть.');
}

if (watchers)
    watchers.onmessage = ({data}) => {
        if (kept && !kept.writable && data.key === kept.key)
            act(() => follow(data));
    };

// After each action: the game is drawn and kept, then the author sees what the story said.
async function finish(state) {
    draw(state);
    try {
        await keep(state.record);
    } catch (error) {
        tell('Игру не удалось сохранить в браузере: ' + storage.whyNotKept(error));
    }
    await messages.present(state.messages);
}

// A worker with the story open, the game not yet begun. Its messages about the story itself
// are shown only when the story is opened, not each time a worker is started for it.
async function openIn(worker, bytes, name) {
    return worker.ask('open', {bytes, name});
}

// The game brought back in a new worker from the kept game, after its worker was stopped, and
// then goes on with `then` when given. A replay stopped too sets the kept game aside and begins
// the story afresh.
async function rebuild(note, then) {
    engine.end();
    engine = newEngine();
    await openIn(engine, story.bytes, story.name);
    try {
        const state = await waitFor(engine, engine.ask('restore', {save: saveText(kept)}),
                                    'Игра восстанавливается');
        if (state.restored.done) {
            tell(note);
            if (then)
                return then();
            state.record.replaced = false;
            return finish(state);
        }
        note = 'Игру не удалось восстановить: ' + state.restored.note;
    } catch (error) {
        if (!(error instanceof Stopped))
            throw error;
        note = 'Восстановление игры остановлено.';
        engine = newEngine();
        await openIn(engine, story.bytes, story.name);
    }
    await beginAfresh(note);
}

async function beginAfresh(note) {
    try {
        const aside = await storage.setAside(kept.key, kept);
        note += ` Прежняя игра отложена в браузере как «${aside}»; история начата сначала.`;
    } catch (error) {
        note += ` История начата сначала; прежнюю игру не удалось отложить: ` +
                storage.whyNotKept(error);
    }
    kept.events = [];
    tell(note.trim());
    await finish(await engine.ask('begin'));
}

// A turn the engine in the browser could not finish (its worker failed, say out of memory):
// the worker is replaced, the game stays as it was before the turn.
const unplayed = error => 'Ход не сыгран: движку в браузере не хватило ресурсов (' + why(error) +
                          '). Игра такая же, какой была до этого хода.';

function playTurn() {
    if (input.readOnly)
        return;
    const line = input.value;
    input.value = '';
    keys.typedAnew();
    return act(() => {
        tell('');
        return play(line);
    });
}

// A typed line played in the game's worker. Stopped by the player, the turn ends where it
// stood, as its work budget ends a turn that runs too long: the worker is ended at once, and a
// fresh one brings the game back and plays the turn again up to that point. Stopped again, or
// failing, the turn is not played: the game stays as it was, the line back in the input.
async function play(line, stopAt) {
    try {
        const state = await waitFor(engine, engine.ask('turn', {line, stopAt}),
                                    stopAt ? 'Ход останавливается' : 'Ход идёт');
        await finish(state);
        tellWatchers({turn: line, stopAt});
    } catch (error) {
        if (error instanceof Stopped && !stopAt) {
            const reached = Math.max(engine.checks, 1);
            return rebuild('', () => play(line, reached));
        }
        input.value = line;
        await rebuild(error instanceof Stopped
                          ? 'Ход остановлен и не сыгран: игра такая же, какой была до него.'
                          : unplayed(error));
    }
}

// Undo, redo and a restart play turns or the opening again in the game's worker, undo from the
// nearest copy of the story the game keeps; stopped, or failing, the game is brought back as it
// was.
async function playAgain(action, busy, stoppedNote, told) {
    tell('');
    try {
        const state = await waitFor(engine, engine.ask(action), busy);
        tell(state.note ?? '');
        await finish(state);
        tellWatchers(told);
    } catch (error) {
        await rebuild(error instanceof Stopped ? stoppedNote : unplayed(error));
    }
}

function stepThroughTurns(action, busy, stoppedNote, told) {
    if (input.readOnly)
        return;
    return act(() => playAgain(action, busy, stoppedNote, told));
}

const undo = () => stepThroughTurns(
    'undo', 'Ход отменяется', 'Отмена хода остановлена: игра осталась такой, какой была.',
    {reload: true});
const redo = () => stepThroughTurns(
    'redo', 'Ход возвращается', 'Возврат хода остановлен: игра такая же, какой была до него.',
    {redo: true});

function restart() {
    return act(async () => {
        if (!await messages.confirm('Начать заново',
                                    'Начать историю заново? «Отменить ход» вернёт игру.'))
            return;
        await playAgain('restart', 'История начинается заново',
                        'Начало заново остановлено: игра такая же, какой была.', {restart: true});
    });
}

// Another page plays this game: this one plays a copy kept apart, or watches keeping nothing.
async function claimElsewhere(key) {
    const choice = await messages.choose(
        'Игра открыта в другой вкладке',
        'Эта история уже открыта в другой вкладке, и её игра сохраняется там. Здесь можно ' +
            'играть в копию игры, которая сохраняется отдельно, или только смотреть: тогда ' +
            'ходы здесь не сохраняются.',
        {copy: 'Играть в копию', watch: 'Только смотреть'}, 'watch');
    if (choice === 'copy')
        for (let copy = 2; copy < 1000; ++copy) {
            const copyKey = `${key} (копия ${copy})`;
            const letGo = await storage.claim(copyKey);
            if (letGo && await storage.keptGame(copyKey) !== undefined)
                letGo();
            else if (letGo)
                return {key: copyKey, letGo, note: 'Здесь вы играете в копию игры из другой ' +
                                                   'вкладки; она сохраняется отдельно.'};
        }
    return {key, letGo: null, note: 'Эта история открыта и в другой вкладке: здесь её игру ' +
                                    'можно только смотреть, а играют в неё там.'};
}

// Only watching, the page takes no line and changes nothing of the game.
function allowPlaying() {
    input.readOnly = !kept.writable;
    for (const id of ['Undo', 'Redo', 'Restart', 'ImportSave'])
        $(id).hidden = !kept.writable;
}

// A page watching a game plays it on, keeping it, once the page that kept it is closed.
function takeOverLater(key) {
    if (!navigator.locks)
        return;
    const waiting = new AbortController();
    stopWaiting = () => waiting.abort();
    storage.claimWhenFree(key, waiting.signal).then(letGo => act(async () => {
        if (kept.key !== key)
            return letGo(); // another story was opened meanwhile
        release = letGo;
        kept.writable = true;
        allowPlaying();
        Object.assign(kept, await storage.keptGame(key));
        await rebuild('Вкладка, где шла эта игра, закрыта: теперь игра идёт и сохраняется здесь.');
    }), () => {});
}

// No game is kept for these bytes, but one is for a story of the same name: an earlier version
// of this story, which the player may play on into this one, or another story, which has its
// own game. Only the player knows which.
async function otherVersion(name, key) {
    const earlier = await storage.earlierGame(name);
    if (earlier)
        return earlier;
    const others = await storage.otherVersions(name, key);
    if (others.length === 0)
        return undefined;
    const choice = await messages.choose(
        'Другая версия истории',
        `В браузере сохранена игра истории «${name}» с другим содержимым: это прежняя версия ` +
            'этой истории или другая история с тем же именем. Продолжить ту игру в этой ' +
            'версии или начать новую? Та игра останется сохранённой как есть.',
        {continue: 'Продолжить ту игру', new: 'Начать новую игру'}, 'new');
    if (choice !== 'continue')
        return undefined;
    const game = await storage.keptGame(others[others.length - 1]);
    return game && {...game, earlier: true};
}

// A story's bytes, or its file: the game kept for it goes on, or it starts from its opening.
// False when the bytes are no story, the author told why, or when the player stopped the
// opening of a story that reads too long; the game played before goes on.
async function openStory(name, bytes, fromDisk) {
    const spare = newEngine();
    // No more is read of a file than the largest story and a byte: the engine refuses a larger
    // one itself, with the message a file gets everywhere.
    if (bytes instanceof Blob)
        bytes = new Uint8Array(
            await bytes.slice(0, (await spare.limits()).largestStory + 1).arrayBuffer());
    const stopped = error => {
        if (!(error instanceof Stopped))
            throw error;
        tell(`Открытие истории ${name} остановлено.`);
        return false;
    };
    let opened;
    try {
        opened = await waitFor(spare, openIn(spare, bytes, name), 'История открывается');
    } catch (error) {
        return stopped(error);
    }
    if (!opened.story) {
        spare.end();
        await messages.present(opened.messages, true);
        return false;
    }
    let key = opened.key, letGo = await storage.claim(key), note = '';
    const original = letGo ? null : await storage.keptGame(key);
    if (!letGo)
        ({key, letGo, note} = await claimElsewhere(key));
    const game = original ?? await storage.keptGame(key) ??
                 (letGo ? await otherVersion(opened.name, key) : undefined);
    // A new game begins before its worker takes the page's place, so that an opening the player
    // stops leaves the game played before as it was.
    let begun = null;
    if (game === undefined)
        try {
            begun = await waitFor(spare, spare.ask('begin'), 'История открывается');
        } catch (error) {
            letGo?.();
            return stopped(error);
        }
    engine?.end();
    release();
    stopWaiting();
    engine = spare;
    story = {name, bytes};
    release = letGo ?? (() => {});
    kept = {key, header: opened.header, events: [], writable: letGo !== null,
            copy: key !== opened.key};
    document.title = `${opened.name} — Зуфт`;
    allowPlaying();
    if (!kept.writable)
        takeOverLater(key);
    $('StoryName').textContent = opened.name;
    messages.keepInPanel((await engine.limits()).mostPanelEntries);
    storage.askToPersist();
    await messages.present(opened.messages);
    if (game === undefined) {
        tell(note);
        if (kept.writable)
            await storage.keepGame(key, kept).catch(error => tell(
                'Игру не удалось сохранить в браузере: ' + storage.whyNotKept(error)));
        await finish(begun);
    } else {
        kept.header = game.header;
        kept.events = game.events;
        await resume(note, game.earlier === true);
        if (game.unkeyed)
            await storage.forgetEarlierGame(opened.name).catch(() => {});
    }
    try {
        await storage.keepLastStory(fromDisk ? opened.name : null, bytes);
    } catch (error) {
        tell('Браузер не сохранил историю, после перезагрузки страницы её придётся открыть ' +
             'снова: ' + storage.whyNotKept(error));
    }
    return true;
}

// Brings back the kept game into the worker just opened; a copy, or a game kept by an
// earlier version of the page, is kept whole at once.
async function resume(note, anew) {
    try {
        const state = await waitFor(engine, engine.ask('restore', {save: saveText(kept)}),
                                    'Игра восстанавливается');
        if (!state.restored.done)
            return beginAfresh(note + ' Сохранённую игру не удалось продолжить: ' +
                               state.restored.note);
        tell((note + ' ' + (state.restored.note ||
                           'Игра продолжается с того места, где её оставили. «Начать заново» ' +
                               'начинает историю сначала.')).trim());
        // The kept game is the one just brought back; a copy of another page's game is kept
        // whole under its own key.
        state.record = {replaced: kept.copy || anew, events: []};
        await finish(state);
    } catch (error) {
        if (!(error instanceof Stopped))
            throw error;
        engine = newEngine();
        await openIn(engine, story.bytes, story.name);
        await beginAfresh(note + ' Восстановление игры остановлено.');
    }
}

// The bundled demo: beside the page, or inside it when the page is built into one file.
async function openDemo() {
    if (globalThis.zuftDemo) {
        const bytes = Uint8Array.from(atob(globalThis.zuftDemo), c => c.charCodeAt(0));
        return openStory('demo.teg', bytes, false);
    }
    const response = await fetch('demo.teg');
    if (!response.ok)
        throw new Error(`demo.teg: ${response.status} ${response.statusText}`);
    await openStory('demo.teg', new Uint8Array(await response.arrayBuffer()), false);
}

// A file the player chose or dropped: a story opens, a save brings its game back, anything
// else is refused.
function openFile(file) {
    return act(async () => {
        const start = new TextDecoder().decode(await file.slice(0, 10).arrayBuffer());
        if (start.startsWith('zuft-save'))
            return importSave(file);
        if (!/\.teg$/i.test(file.name)) {
            tell(`Файл «${file.name}» не открыт: это не история (файл .teg) и не сохранённая ` +
                 'игра (файл .zsave).');
            return;
        }
        await openStory(file.name, file, true);
    });
}

function exportSave() {
    return act(() => download(saveText(kept), story.name.replace(/\.teg$/i, '') + '.zsave'));
}

function download(text, name) {
    const link = document.createElement('a');
    link.href = URL.createObjectURL(new Blob([text], {type: 'text/plain;charset=utf-8'}));
    link.download = name;
    link.click();
    setTimeout(() => URL.revokeObjectURL(link.href), 0);
}

// A save brought back in a worker of its own: refused or stopped, the game stays as it was.
async function importSave(file) {
    const spare = newEngine();
    if (file.size > (await spare.limits()).largestSave) {
        spare.end();
        tell(`Игра не загружена из ${file.name}: файл слишком велик для сохранения.`);
        return;
    }
    const save = new TextDecoder().decode(await file.arrayBuffer());
    try {
        await openIn(spare, story.bytes, story.name);
        const state = await waitFor(spare, spare.ask('restore', {save}), 'Игра загружается');
        if (!state.restored.done) {
            spare.end();
            tell(`Игра не загружена из ${file.name}: ${state.restored.note}`);
            return;
        }
        engine.end();
        engine = spare;
        tell(`Игра загружена из ${file.name}. ${state.restored.note}`.trim());
        await finish(state);
        tellWatchers({reload: true});
    } catch (error) {
        if (!(error instanceof Stopped))
            throw error;
        tell(`Загрузка игры из ${file.name} остановлена: игра осталась такой, какой была.`);
    }
}

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
whenChosen($('SaveFile'), file => act(() => importSave(file)));

function showHistory() {
    return act(async () => history.show((await engine.ask('history')).history));
}

keys.listen({play: playTurn, undo, redo, history: showHistory});
history.listen(download);
$('HistoryShown').addEventListener('click', showHistory);
$('OpenStory').addEventListener('click', () => $('fs').click());
$('Demo').addEventListener('click', () => act(openDemo));
$('Undo').addEventListener('click', undo);
$('Redo').addEventListener('click', redo);
$('Restart').addEventListener('click', restart);
$('ExportSave').addEventListener('click', exportSave);
$('ImportSave').addEventListener('click', () => $('SaveFile').click());
// «Справка» → «Как играть»: the core's text, as the game window and zuft-cli show it.
$('HowToPlayShown').addEventListener('click', () => act(async () => {
    $('HowToPlay').querySelector('p').textContent = (await engine.ask('howToPlay')).text;
    $('HowToPlay').showModal();
}));

// A file dropped anywhere on the page opens.
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

// Served, the page keeps itself, the engine and the demo for playing offline, and can be
// installed.
if (location.protocol.startsWith('http') && 'serviceWorker' in navigator)
    navigator.serviceWorker.register('offline.js').catch(
        error => tell('Страница не будет работать без сети: ' + why(error)));

// The page plays the story last opened from the disk, or else the bundled demo.
act(async () => {
    const last = storage.lastStory();
    const bytes = last === null ? undefined : await storage.keptStory(last);
    if (bytes === undefined || !await openStory(last, bytes, true))
        await openDemo();
});
