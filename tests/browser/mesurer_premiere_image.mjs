// Chronomètre l'arrivée de la première image d'une page de diaporama dans Chromium sans tête,
// contre une page de référence qui ne montre que cette image. Lancé par bench_premiere_image ;
// se lance aussi à la main sur une copie de page retouchée, pour comparer deux versions.
// Usage : node mesurer_premiere_image.mjs <page.htm> <reference.htm> <image> [chargements]
//   <image> : le nom du fichier de la première diapo (« Voyage0.jpg »), tel que la page le demande.
// Chaque chargement se fait dans un contexte neuf du navigateur : rien en mémoire d'un chargement
// à l'autre (les pages sont lues sur le disque, sans cache HTTP). Page et référence alternent,
// après un chargement de mise en train de chacune qui n'est pas compté.
// Sortie : une ligne JSON pour la version du navigateur, puis une par chargement compté,
// { quoi, tour, image, charge, dcl, fcp, requetes, images, diapos }, les temps en ms depuis
// le début de la navigation. Code 0 : mesures faites ; 1 : une page n'a pas montré la bonne
// image (la raison sur la sortie d'erreur) ; 2 : usage.

import { chromium } from 'playwright-core';
import { basename } from 'node:path';
import { pathToFileURL } from 'node:url';

const [cheminPage, cheminReference, nomImage, texteChargements] = process.argv.slice(2);
if (!cheminPage || !cheminReference || !nomImage) {
  console.error('usage : node mesurer_premiere_image.mjs <page.htm> <reference.htm> <image> [chargements]');
  process.exit(2);
}
const chargements = Number.parseInt(texteChargements || '15', 10);
if (!(chargements >= 1)) {
  console.error(`nombre de chargements invalide : ${texteChargements}`);
  process.exit(2);
}

// Avec OSTRELLE_RALENTI=n (n > 1), le fil principal de chaque page est ralenti n fois (émulation
// de Chromium), page et référence pareil : ce que verrait le visiteur d'une machine modeste.
const ralenti = Number(process.env.OSTRELLE_RALENTI || '1');
if (!(ralenti >= 1)) {
  console.error(`OSTRELLE_RALENTI invalide : ${process.env.OSTRELLE_RALENTI}`);
  process.exit(2);
}

// Les requêtes d'images sont comptées pendant ce temps après le début de la navigation : le
// temps de montrer la première diapo et de charger d'avance ce qui doit l'être, pas plus.
const FenetreRequetes = 2000;
// Les images des diapos portent le nom du projet suivi de leur numéro (« Voyage12.jpg »).
const prefixe = nomImage.replace(/\d+\.[^.]+$/, '');
const motifDiapo = new RegExp(`^${prefixe.replace(/[.*+?^${}()|[\]\\]/g, '\\$&')}(\\d+)\\.[^.]+$`);

class EchecMesure extends Error {}

// Le moment où l'image est peinte : l'entrée Largest Contentful Paint dont l'élément est
// l'image #diapo et l'adresse celle de la première diapo. Element Timing le dirait aussi, mais
// seulement pour une image qui porte l'attribut elementtiming dans la page, et la page
// mesurée est celle que l'éditeur génère, sans retouche. Tant que la photo est le plus grand
// élément peint (c'est le cas dans la fenêtre de 1280 x 720 de la mesure), LCP en donne le
// rendu : renderTime est le moment où l'image décodée est affichée, pas celui de l'octet reçu
// (loadTime), arrondi par le navigateur à quelques ms. Une page où la photo ne serait pas la
// plus grande n'aurait pas d'entrée pour elle : c'est une erreur, jamais un temps.
async function attendreImage(page, adresseImage) {
  return page.evaluate(async ([adresse, delai]) => {
    const entrees = await new Promise((resolu, refus) => {
      const vues = [];
      const minuterie = setTimeout(() => refus(new Error(
        `pas de peinture de ${adresse} en ${delai} ms ; entrées LCP : ${JSON.stringify(vues)}`)), delai);
      new PerformanceObserver((liste) => {
        for (const e of liste.getEntries()) {
          vues.push({ id: e.id, url: e.url, taille: e.size, rendu: e.renderTime, charge: e.loadTime });
          if (e.element && e.element.id === 'diapo' && e.url === adresse) {
            clearTimeout(minuterie);
            resolu(vues);
          }
        }
      }).observe({ type: 'largest-contentful-paint', buffered: true });
    });
    const retenue = entrees[entrees.length - 1];
    const navigation = performance.getEntriesByType('navigation')[0];
    const fcp = performance.getEntriesByName('first-contentful-paint')[0];
    return {
      rendu: retenue.rendu,
      charge: retenue.charge,
      dcl: navigation.domContentLoadedEventStart,
      fcp: fcp ? fcp.startTime : null,
      origine: performance.timeOrigin,
    };
  }, [adresseImage, 10000]);
}

async function charger(navigateur, chemin, avecRequetes) {
  const contexte = await navigateur.newContext({
    viewport: { width: 1280, height: 720 }, deviceScaleFactor: 1, locale: 'fr-FR',
  });
  try {
    // Pas de contexte.route() ici : dès qu'une route existe, playwright fait attendre chaque
    // requête, fichiers compris, l'accord de node, et la page, qui enchaîne trois fichiers
    // (page, script, photo), en paierait un aller-retour de plus que la référence. Le réseau
    // est coupé par le navigateur (--host-resolver-rules) et toute requête hors du disque est
    // une erreur.
    const page = await contexte.newPage();
    if (ralenti > 1) {
      const session = await contexte.newCDPSession(page);
      await session.send('Emulation.setCPUThrottlingRate', { rate: ralenti });
    }
    const requetes = [];
    const horsDisque = [];
    page.on('request', (r) => {
      if (!/^(file|data):/.test(r.url())) horsDisque.push(r.url());
      if (r.resourceType() === 'image') requetes.push({ url: r.url(), quand: Date.now() });
    });
    const erreurs = [];
    page.on('pageerror', (e) => erreurs.push(e.message));
    const adressePage = pathToFileURL(chemin).href;
    const adresseImage = new URL(nomImage, adressePage).href;
    await page.goto(adressePage, { waitUntil: 'load' });
    const m = await attendreImage(page, adresseImage).catch((e) => {
      throw new EchecMesure(`${basename(chemin)} : ${e.message.split("\n")[0]}`);
    });
    if (!(m.rendu > 0)) throw new EchecMesure(`${basename(chemin)} : LCP sans temps de rendu`);
    const image = await page.evaluate(() => {
      const e = document.getElementById('diapo');
      return { src: e.currentSrc, complete: e.complete, largeur: e.naturalWidth };
    });
    if (image.src !== adresseImage || !image.complete || !(image.largeur > 1))
      throw new EchecMesure(`${basename(chemin)} : autre image montrée ${JSON.stringify(image)}`);
    if (avecRequetes) {
      // Ce que la page demande pendant ses deux premières secondes.
      await page.waitForFunction((f) => performance.now() >= f, FenetreRequetes, {
        timeout: FenetreRequetes + 5000, polling: 50,
      });
    }
    if (erreurs.length) throw new EchecMesure(`${basename(chemin)} : ${erreurs.join(' ; ')}`);
    if (horsDisque.length)
      throw new EchecMesure(`${basename(chemin)} : requêtes hors du disque ${horsDisque.join(' ')}`);
    const premieres = requetes.filter((r) => r.quand - m.origine < FenetreRequetes);
    const diapos = [];
    for (const r of premieres) {
      const nom = decodeURIComponent(new URL(r.url).pathname.split('/').pop());
      const trouve = motifDiapo.exec(nom);
      if (trouve) diapos.push(Number(trouve[1]));
    }
    return {
      image: m.rendu, charge: m.charge, dcl: m.dcl, fcp: m.fcp,
      requetes: premieres.length, images: premieres.map((r) => r.url.startsWith('data:') ? 'data:' :
        decodeURIComponent(new URL(r.url).pathname.split('/').pop())),
      diapos: [...new Set(diapos)].sort((a, b) => a - b),
    };
  } finally {
    await contexte.close();
  }
}

// Chaque contexte neuf est une fenêtre neuve, et Chromium y prépare d'avance, dans un processus
// à lui, la liste déroulante de sa barre d'adresse : des centaines de ms de JavaScript qui
// disputent les deux cœurs à la page mesurée, et la retardent de plusieurs dizaines de ms, elle
// comme la référence. Le visiteur qui ouvre la page dans sa fenêtre déjà là ne paie pas cela : ces fonctions sont
// coupées. Un second --disable-features remplacerait celui de playwright-core : sa liste est
// reprise en tête.
const FonctionsCoupees = [
  'AvoidUnnecessaryBeforeUnloadCheckSync', 'BoundaryEventDispatchTracksNodeRemoval',
  'DestroyProfileOnBrowserClose', 'DialMediaRouteProvider', 'GlobalMediaControls', 'HttpsUpgrades',
  'LensOverlay', 'MediaRouter', 'PaintHolding', 'ThirdPartyStoragePartitioning', 'Translate',
  'AutoDeElevate', 'RenderDocument', 'OptimizationHints',
  'PreloadTopChromeWebUI', 'WebUIOmniboxPopup', 'WebUIOmniboxFullPopup', 'WebUIOmniboxAimPopup',
];
const navigateur = await chromium.launch({
  executablePath: '/usr/bin/chromium',
  args: ['--headless', '--no-sandbox', '--disable-gpu', '--disable-background-networking',
    '--disable-component-update', '--disable-sync', '--no-first-run',
    '--host-resolver-rules=MAP * ~NOTFOUND', `--disable-features=${FonctionsCoupees.join(',')}`],
});
let code = 0;
try {
  console.log(JSON.stringify({ quoi: 'navigateur', version: navigateur.version(), ralenti }));
  // Mise en train : le premier chargement paie le démarrage des processus du navigateur.
  await charger(navigateur, cheminPage, false);
  await charger(navigateur, cheminReference, false);
  for (let tour = 1; tour <= chargements; ++tour) {
    const ordre = tour % 2 ? [['page', cheminPage], ['reference', cheminReference]]
      : [['reference', cheminReference], ['page', cheminPage]];
    for (const [quoi, chemin] of ordre) {
      const m = await charger(navigateur, chemin, quoi === 'page');
      console.log(JSON.stringify({ quoi, tour, ...m }));
    }
  }
} catch (e) {
  console.error(e instanceof EchecMesure ? e.message : `arrêt imprévu : ${e.stack || e}`);
  code = 1;
} finally {
  await navigateur.close();
}
process.exit(code);
