// The DevTools protocol over Chromium's --remote-debugging-pipe: JSON
// messages ended by a NUL byte, written to its fd 3 and read from its fd 4.
// Pages are reached through flat sessions: one pipe, a sessionId per message.
import { EventEmitter } from 'node:events';
import { finalError, withTimeout } from './wait.mjs';

export const COMMAND_TIMEOUT_MS = 15000;

export class Connection {
  #writable;
  #nextId = 1;
  #pending = new Map(); // id → { resolve, reject, method }
  #sessions = new Map(); // sessionId ('' for the browser) → Session
  #closed = null; // the Error every later command fails with

  constructor(writable, readable) {
    this.#writable = writable;
    let buffered = Buffer.alloc(0);
    readable.on('data', (chunk) => {
      buffered = Buffer.concat([buffered, chunk]);
      let end;
      while ((end = buffered.indexOf(0)) >= 0) {
        this.#dispatch(JSON.parse(buffered.subarray(0, end).toString('utf8')));
        buffered = buffered.subarray(end + 1);
      }
    });
    // The browser may go before we stop writing; its exit is reported elsewhere.
    writable.on('error', () => {});
  }

  session(sessionId = '') {
    if (!this.#sessions.has(sessionId)) this.#sessions.set(sessionId, new Session(this, sessionId));
    return this.#sessions.get(sessionId);
  }

  forget(sessionId) {
    this.#sessions.delete(sessionId);
  }

  async send(method, params = {}, sessionId = '', timeoutMs = COMMAND_TIMEOUT_MS) {
    if (this.#closed) throw finalError(`${method}: ${this.#closed.message}`);
    const id = this.#nextId++;
    const message = { id, method, params };
    if (sessionId) message.sessionId = sessionId;
    const reply = new Promise((resolve, reject) => {
      this.#pending.set(id, { resolve, reject, method });
    });
    this.#writable.write(JSON.stringify(message) + '\0');
    try {
      return await withTimeout(reply, timeoutMs, `CDP ${method}`);
    } catch (error) {
      // Made again here, so that its stack shows who sent the command.
      throw Object.assign(new Error(error.message), { final: error.final });
    } finally {
      this.#pending.delete(id);
    }
  }

  // Fails every command waiting for an answer, and every later one.
  close(reason) {
    this.#closed = finalError(reason);
    for (const { reject, method } of this.#pending.values()) {
      reject(finalError(`${method}: ${reason}`));
    }
    this.#pending.clear();
    for (const session of this.#sessions.values()) session.emit('closed', this.#closed);
  }

  #dispatch(message) {
    if (message.id !== undefined) {
      const waiting = this.#pending.get(message.id);
      if (!waiting) return;
      if (message.error) {
        const { message: text, data } = message.error;
        waiting.reject(new Error(`${waiting.method}: ${text}${data ? ` (${data})` : ''}`));
      } else {
        waiting.resolve(message.result);
      }
      return;
    }
    this.#sessions.get(message.sessionId ?? '')?.emit(message.method, message.params);
  }
}

// One target's commands and events; events are emitted under their method names.
export class Session extends EventEmitter {
  constructor(connection, id) {
    super();
    this.connection = connection;
    this.id = id;
  }

  send(method, params, timeoutMs) {
    return this.connection.send(method, params, this.id, timeoutMs);
  }

  // The params of the next `method` event for which `accept` holds.
  next(method, timeoutMs, accept = () => true) {
    let listener, closed;
    const event = new Promise((resolve, reject) => {
      listener = (params) => { if (accept(params)) resolve(params); };
      closed = (error) => reject(finalError(`waiting for ${method}: ${error.message}`));
      this.on(method, listener);
      this.once('closed', closed);
    });
    return withTimeout(event, timeoutMs, `waiting for ${method}`).finally(() => {
      this.off(method, listener);
      this.off('closed', closed);
    });
  }
}
