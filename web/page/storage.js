// The games kept in the browser (IndexedDB). A game is kept under its story's name and the
// digest of the story's bytes, so that another story of the same name is another game: its
// save's header once, then one record for each event (a turn, a restart, an undo or redo), added
// as it happens, so that a turn costs the same however long the game has been played. The story
// files the player opened are kept too, under their names, for the next visit.

const database = new Promise((resolve, reject) => {
    const request = indexedDB.open('zuft', 2);
    request.onupgradeneeded = () => {
        const db = request.result;
        if (!db.objectStoreNames.contains('stories'))
            db.createObjectStore('stories');
        db.createObjectStore('games');
        db.createObjectStore('events');
    };
    request.onsuccess = () => resolve(request.result);
    request.onerror = () => reject(request.error);
});

// Why the browser did not keep something, for the player: never empty, and for a full storage
// how to free it.
export function whyNotKept(error) {
    if (error?.name === 'QuotaExceededError')
        return 'место, которое браузер отвёл этой странице, заполнено. Освободите место на ' +
               'диске или удалите данные других сайтов в настройках браузера (Настройки → ' +
               'Конфиденциальность → Данные сайтов), затем сделайте ход ещё раз.';
    return error?.message || error?.name || 'браузер не назвал причину.';
}

// Runs `make` on the stores of one transaction; the promise is kept once it is committed, so a
// game said to be kept survives a reload of the page.
async function transaction(stores, mode, make) {
    const db = await database;
    return new Promise((resolve, reject) => {
        const run = db.transaction(stores, mode);
        const asked = make(...stores.map(store => run.objectStore(store)));
        run.oncomplete = () => resolve(asked?.result);
        run.onerror = run.onabort = () => reject(run.error);
    });
}

const eventsOf = key => IDBKeyRange.bound([key, 0], [key, Infinity]);

// The game kept under a key: {header, events}, or undefined when there is none or the browser
// keeps nothing (its storage turned off); the next write then says why.
export async function keptGame(key) {
    try {
        let header;
        const events = await transaction(['games', 'events'], 'readonly', (games, events) => {
            games.get(key).onsuccess = event => header = event.target.result;
            return events.getAll(eventsOf(key));
        });
        return header === undefined ? undefined : {header, events};
    } catch {
        return undefined;
    }
}

// A save's text as a game is kept: its header (four lines) and its events, a line each.
export function asKept(save) {
    const lines = save.split(/(?<=\n)/);
    return {header: lines.slice(0, 4).join(''), events: lines.slice(4)};
}

// A game the page kept before games had keys of their own: the whole save under the story's
// name alone, as {header, events}. Once brought back it is kept as the others are, and
// forgotten here.
export async function earlierGame(name) {
    try {
        const save = await transaction(['saves'], 'readonly', saves => saves.get(name));
        return typeof save === 'string' ? {...asKept(save), earlier: true, unkeyed: true}
                                        : undefined;
    } catch {
        return undefined;
    }
}

export const forgetEarlierGame = name =>
    transaction(['saves'], 'readwrite', saves => saves.delete(name));

// The keys of the games of other stories, or other versions of this one, kept under the same
// name (not their copies, nor games set aside).
export async function otherVersions(name, key) {
    try {
        const keys = await transaction(['games'], 'readonly', games => games.getAllKeys());
        return keys.filter(other => other !== key && other.startsWith(name + ' ') &&
                                    /^[0-9a-f]{16}$/.test(other.slice(name.length + 1)));
    } catch {
        return [];
    }
}

// A game kept whole: a new game, a game brought back from a save, a copy.
export function keepGame(key, game) {
    return transaction(['games', 'events'], 'readwrite', (games, events) => {
        games.put(game.header, key);
        events.delete(eventsOf(key));
        game.events.forEach((event, i) => events.put(event, [key, i]));
    });
}

// One event more, the `index`th of the game.
export function addEvent(key, index, event) {
    return transaction(['events'], 'readwrite', events => events.put(event, [key, index]));
}

export function forgetGame(key) {
    return transaction(['games', 'events'], 'readwrite', (games, events) => {
        games.delete(key);
        events.delete(eventsOf(key));
    });
}

// A kept game that could not be brought back is set aside under a key of its own, not
// deleted, so that nothing the player did is lost.
export async function setAside(key, game) {
    const aside = `${key} (отложено ${new Date().toISOString()})`;
    await keepGame(aside, game);
    await forgetGame(key);
    return aside;
}

// Asks the browser not to clear the kept games when it runs short of space; once is enough.
let persistenceAsked = false;
export function askToPersist() {
    if (persistenceAsked || !navigator.storage?.persist)
        return;
    persistenceAsked = true;
    navigator.storage.persist().catch(() => {});
}

// The story the page plays when it is loaded: the one last opened from the player's disk, or
// null for the bundled demo.
export function lastStory() {
    try {
        return localStorage.getItem('zuft.story');
    } catch {
        return null;
    }
}

export async function keptStory(name) {
    try {
        return await transaction(['stories'], 'readonly', stories => stories.get(name));
    } catch {
        return undefined;
    }
}

export async function keepLastStory(name, bytes) {
    if (name === null) {
        localStorage.removeItem('zuft.story');
        return;
    }
    await transaction(['stories'], 'readwrite', stories => stories.put(bytes, name));
    localStorage.setItem('zuft.story', name);
}

// One page at a time keeps a game: the others are told. Resolves to a function that lets the
// game go, or null when another page holds it. A browser without locks lets every page keep it.
export function claim(key) {
    if (!navigator.locks)
        return Promise.resolve(() => {});
    return new Promise(resolve => navigator.locks.request(
        'zuft ' + key, {ifAvailable: true},
        lock => lock ? new Promise(release => resolve(release)) : resolve(null)));
}

// The game once the page that keeps it lets it go, closed or gone on to another story: resolves
// to a function that lets it go in turn; `signal` gives up waiting.
export function claimWhenFree(key, signal) {
    return new Promise((resolve, reject) => navigator.locks.request(
        'zuft ' + key, {signal}, () => new Promise(release => resolve(release))).catch(reject));
}
