// The games kept in the browser (IndexedDB): the story files the player opened and the save of
// the game played in each, both under the story file's name. The save is the same text as a
// save file, so it can be exported and imported as one.

const database = new Promise((resolve, reject) => {
    const request = indexedDB.open('zuft', 1);
    request.onupgradeneeded = () => {
        request.result.createObjectStore('stories');
        request.result.createObjectStore('saves');
    };
    request.onsuccess = () => resolve(request.result);
    request.onerror = () => reject(request.error);
});

// Runs one request on a store; the promise is kept once the transaction is committed, so a
// game said to be kept survives a reload of the page.
async function request(store, mode, make) {
    const db = await database;
    return new Promise((resolve, reject) => {
        const transaction = db.transaction(store, mode);
        const asked = make(transaction.objectStore(store));
        transaction.oncomplete = () => resolve(asked.result);
        transaction.onerror = transaction.onabort = () => reject(transaction.error);
    });
}

// What the browser kept, or undefined. A browser that keeps nothing (its storage turned off or
// full) never stops a story from opening: the game is only not kept, which the next write says.
async function kept(store, name) {
    try {
        return await request(store, 'readonly', objects => objects.get(name));
    } catch {
        return undefined;
    }
}

export const keptStory = name => kept('stories', name);
export const keptSave = name => kept('saves', name);
export const keepSave = (name, text) =>
    request('saves', 'readwrite', objects => objects.put(text, name));

// A kept game that could not be brought back is set aside under a name of its own, not
// deleted, so that nothing the player did is lost.
export async function setSaveAside(name, text) {
    const aside = `${name} (отложено ${new Date().toISOString()})`;
    await keepSave(aside, text);
    await request('saves', 'readwrite', objects => objects.delete(name));
    return aside;
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

export async function keepLastStory(name, bytes) {
    if (name === null) {
        localStorage.removeItem('zuft.story');
        return;
    }
    await request('stories', 'readwrite', objects => objects.put(bytes, name));
    localStorage.setItem('zuft.story', name);
}
