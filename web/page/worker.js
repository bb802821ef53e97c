// The engine's own thread: the page hands it the player's actions and draws what it answers, so
// that however long a turn or a replay runs, the page stays alive and can stop it. One worker
// plays one game; the page ends a worker it no longer needs, which gives its memory back. The
// page built into one file puts the engine before this script.
if (typeof createZuft === 'undefined')
    importScripts('zuft.js');

const engine = createZuft();
let game = null;

// Everything the page draws after an action, and what it keeps of the game.
function state() {
    return {
        screen: game.screen(),
        answer: game.turnAnswer(),
        input: game.takeInput(),
        canUndo: game.canUndo(),
        canRedo: game.canRedo(),
        typed: game.typedLines(),
        messages: game.takeMessages(),
        record: game.takeRecord(),
    };
}

// The progress of a replay, told at most ten times a second.
let lastTold = 0;
function progress(done, total) {
    const now = Date.now();
    if (now - lastTold < 100)
        return;
    lastTold = now;
    postMessage({progress: [done, total]});
}

// How far a turn has gone, told at most twenty times a second: the page stops a turn by ending
// this worker and playing the turn again in a fresh one up to the last check it heard of.
let lastChecked = 0;
function checked(count) {
    const now = Date.now();
    if (now - lastChecked < 50)
        return;
    lastChecked = now;
    postMessage({checks: count});
}

const actions = {
    // A story's bytes; nothing runs until it begins or a game is brought back.
    open({bytes, name}) {
        game = new zuft.Game();
        if (!game.open(bytes, name))
            return {story: false, messages: game.takeMessages()};
        return {story: true, name: game.storyName(), key: game.gameKey(),
                header: game.saveHeader(), messages: game.takeMessages()};
    },
    begin() {
        game.begin();
        return state();
    },
    turn({line, stopAt}) {
        lastChecked = 0;
        const outcome = game.turn(line, stopAt ?? 0, checked);
        return {...outcome, ...state()};
    },
    undo() { return {note: game.undo(), ...state()}; },
    redo() { return {note: game.redo(), ...state()}; },
    restart() {
        game.restart();
        return state();
    },
    restore({save}) {
        const result = game.restore(save, progress);
        return {restored: result, ...state()};
    },
    saveText() { return {save: game.saveText()}; },
    limits() {
        return {largestStory: zuft.largestStory, largestSave: zuft.largestSave,
                mostPanelEntries: zuft.mostPanelEntries};
    },
    howToPlay() { return {text: zuft.howToPlay()}; },
    history() { return {history: game.historyText()}; },
};

let zuft = null;
onmessage = async ({data}) => {
    zuft ??= await engine;
    try {
        postMessage({id: data.id, answer: actions[data.action](data)});
    } catch (error) {
        postMessage({id: data.id, error: error.message ?? String(error)});
    }
};
