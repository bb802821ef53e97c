// A game played in a worker of its own (worker.js): the page asks and waits without ever
// blocking, and ends the worker to stop whatever it is doing at once.

// Where the worker's script is; a page built into one file hands it a script of its own.
const workerScript = () => globalThis.zuftWorkerUrl ?? 'worker.js';

export class Stopped extends Error {
    constructor() {
        super('остановлено');
    }
}

export class Engine {
    constructor(onProgress) {
        this.waiting = new Map();
        this.asked = 0;
        this.checks = 0; // how far the turn asked last had gone when last told
        this.worker = new Worker(workerScript());
        this.worker.onmessage = ({data}) => {
            if (data.progress) {
                onProgress(...data.progress);
                return;
            }
            if (data.checks) {
                this.checks = data.checks;
                return;
            }
            const {resolve, reject} = this.waiting.get(data.id);
            this.waiting.delete(data.id);
            if ('error' in data)
                reject(new Error(data.error));
            else
                resolve(data.answer);
        };
        // A worker that cannot start (its script or the engine not found) fails what was asked.
        this.worker.onerror = event => {
            event.preventDefault();
            this.fail(new Error(event.message || 'движок игры не запустился'));
        };
    }

    // The engine's bounds on what the page hands it and shows of it: the most it reads of a story
    // and of a save, and the most messages the panel keeps. Asked once.
    limits() {
        return this.limitsAsked ??= this.ask('limits');
    }

    ask(action, data = {}) {
        return new Promise((resolve, reject) => {
            const id = ++this.asked;
            this.checks = 0;
            this.waiting.set(id, {resolve, reject});
            this.worker.postMessage({id, action, ...data});
        });
    }

    fail(error) {
        for (const {reject} of this.waiting.values())
            reject(error);
        this.waiting.clear();
    }

    // Ends the worker and its game: whatever it was doing is given up, its memory given back.
    end() {
        this.worker.terminate();
        this.fail(new Stopped());
    }
}
