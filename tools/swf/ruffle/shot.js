const { chromium } = require('playwright-core');
(async () => {
  const [movie, w, h, secs, out] = process.argv.slice(2);
  const b = await chromium.launch({ executablePath: '/usr/bin/chromium', args: ['--no-sandbox', '--autoplay-policy=no-user-gesture-required'] });
  const p = await b.newPage({ viewport: { width: +w, height: +h } });
  await p.goto(`http://127.0.0.1:${process.env.PORT || 8765}/page.html?movie=${movie}&w=${w}&h=${h}`);
  await p.waitForFunction(() => window.loaded, null, { timeout: 60000 });
  await p.waitForTimeout(+secs * 1000);
  await p.screenshot({ path: out });
  await b.close();
})().catch(e => { console.error(e); process.exit(1); });
