// Every wait of the harness ends: either with its value or with an Error
// that says what was awaited and for how long.

// Rejects with "`what` timed out after `ms` ms" unless `promise` settles first.
export function withTimeout(promise, ms, what) {
  let timer;
  const timeout = new Promise((_, reject) => {
    timer = setTimeout(() => reject(new Error(`${what} timed out after ${ms} ms`)), ms);
  });
  return Promise.race([promise, timeout]).finally(() => clearTimeout(timer));
}

// Polls `probe` (sync or async) until it returns something truthy, and
// resolves to that. A probe that throws counts as not yet (its last error is
// in the timeout's message), unless the error is final: the browser is gone.
export async function until(probe, ms, what, intervalMs = 50) {
  const deadline = Date.now() + ms;
  let last;
  for (;;) {
    try {
      const value = await probe();
      if (value) return value;
      last = value;
    } catch (error) {
      if (error.final) throw error;
      last = error;
    }
    if (Date.now() >= deadline) {
      const detail = last instanceof Error ? last.message : JSON.stringify(last);
      throw new Error(`${what} still not true after ${ms} ms (last: ${detail})`);
    }
    await sleep(intervalMs);
  }
}

// An Error that no retry can mend.
export function finalError(message) {
  return Object.assign(new Error(message), { final: true });
}

export function sleep(ms) {
  return new Promise((resolve) => setTimeout(resolve, ms));
}
