// Diaporama Ostrelle 2.1 : donnees du projet puis navigation.
// Ostrelle reecrit les lignes 7 a 10 et 13 a 16 : ne rien ajouter ni retirer avant.
var Info = new Array();
var TypeImage = new Array();
var Courante = 0;
var Son = null;
var RepImage="Nouveau";
var NBSprite=0;
Info[0]="&nbsp;Bienvenue !<br>";
TypeImage[0]=".gif";
// Premiere diapo, compteur, commentaire et titre, des que la page est prete.
function Demarrer() {
document.getElementById("diapo").src="Nouveau0.gif";
document.getElementById("InfoDiaporama").innerHTML="1 / 1";
document.getElementById("InfoTexte").innerHTML=Info[0];
document.getElementById("Titre").innerHTML="Mon diaporama";
  Courante = 0;
  var titre = document.getElementById("Titre");
  var texteTitre = titre.textContent.replace(/\s+/g, " ").trim();
  if (texteTitre) document.title = texteTitre;
  else (titre.closest("header") || titre).hidden = true;
  if (NBSprite < 0) MontrerDiaporamaVide();
  // Le commentaire de la nouvelle diapo est lu par les lecteurs d'ecran, comme le compteur.
  Element("InfoTexte").setAttribute("aria-live", "polite");
  MajCommentaire();
  window.addEventListener("resize", MajCommentaire);
  Element("diapo").addEventListener("load", ImageChargee);
  Element("diapo").addEventListener("error", ImageAbsente);
  // Le compteur a d'emblee la largeur de son plus long texte : rien ne bouge a cote de lui.
  var chiffres = String(Math.max(NBSprite + 1, 1)).length;
  Element("InfoDiaporama").style.minWidth = "calc(" + (2 * chiffres + 3) + "ch + 0.8rem)";
  PreparerCommandes();
  MajCommandes();
  // L'adresse de la page dit quelle diapo montrer : un lien vers une diapo, un rechargement.
  AllerALAdresse();
  if (Courante == 0) Precharger(1);
  window.addEventListener("hashchange", AllerALAdresse);
}

// Utilitaires
// -----------

function Element(id) {
  return document.getElementById(id);
}

// Un modele de page peut se passer des boutons facultatifs : tout est verifie.
function Avec(id, action) {
  var e = Element(id);
  if (e) action(e);
}

// Le stockage local peut etre refuse pour une page ouverte depuis le disque.
function LireReglage(cle) {
  try {
    return window.localStorage ? window.localStorage.getItem(cle) : null;
  } catch (e) {
    return null;
  }
}

function EcrireReglage(cle, valeur) {
  try {
    if (window.localStorage) window.localStorage.setItem(cle, valeur);
  } catch (e) {
  }
}

// Navigation
// ----------

// NBSprite est l'indice de la derniere diapo : -1 pour un diaporama vide.
// Sans fondu quand la diapo vient de l'adresse : une page ouverte sur la cinquieme diapo ne
// montre pas la premiere en passant.
function Afficher(i, sansFondu) {
  if (NBSprite < 0) return;
  if (i < 0) i = 0;
  if (i > NBSprite) i = NBSprite;
  if (i == Courante) return;
  Courante = i;
  NoterAdresse(i);
  MontrerImage(i, sansFondu);
  document.getElementById("InfoDiaporama").innerHTML = (i + 1) + " / " + (NBSprite + 1);
  document.getElementById("InfoTexte").innerHTML = Info[i];
  MajCommentaire();
  MajCommandes();
  Precharger(i + 1);
  Precharger(i - 1);
  JouerSon();
}

// Adresse d'une diapo
// ------------------

// "#3" : la troisieme diapo, comptee comme le compteur de la page. Un numero faux ou hors du
// diaporama vaut la premiere.
function NumeroDeLAdresse() {
  var m = /^#(\d{1,4})$/.exec(window.location.hash);
  var n = m ? parseInt(m[1], 10) : 0;
  return n >= 1 && n <= NBSprite + 1 ? n - 1 : 0;
}

function AllerALAdresse() {
  if (NBSprite < 0) return;
  Afficher(NumeroDeLAdresse(), true);
  NoterAdresse(Courante);
}

// L'adresse suit la diapo montree sans ajouter une page a l'historique par diapo.
function NoterAdresse(i) {
  var voulue = "#" + (i + 1);
  if (window.location.hash == voulue) return;
  try {
    window.history.replaceState(window.history.state, "", voulue);
  } catch (e) {
  }
}

// Un commentaire trop long pour sa carte y defile : la carte se prend alors au clavier.
function MajCommentaire() {
  var carte = Element("InfoTexte");
  if (carte.scrollHeight > carte.clientHeight + 1) carte.setAttribute("tabindex", "0");
  else carte.removeAttribute("tabindex");
}

// Le texte d'un commentaire, sur une ligne : un saut de ligne ou un paragraphe separe deux mots.
function TexteDuCommentaire(i) {
  var lecteur = document.createElement("div");
  lecteur.innerHTML = (Info[i] || "").replace(/<br\s*\/?>|<\/(p|div|li)>/gi, " ");
  return (lecteur.textContent || "").replace(/\s+/g, " ").trim();
}

// Le texte de remplacement de l'image : celui de son commentaire, sinon sa place.
function DecrireImage(i) {
  Element("diapo").alt = TexteDuCommentaire(i) || "Diapositive " + (i + 1) + " sur " + (NBSprite + 1);
}

// Le visiteur qui prend la main arrete la lecture automatique : elle reste en pause, et le dit.
function Naviguer(i) {
  if (Minuterie != null) ArreterLecture();
  Afficher(i);
}

function Premiere() { Naviguer(0); }
function Precedente() { Naviguer(Courante - 1); }
function Suivante() { Naviguer(Courante + 1); }
function Derniere() { Naviguer(NBSprite); }

// Un clic ou une touche ailleurs que sur le bouton de lecture met aussi en pause.
function PrendreLaMain(e) {
  if (Minuterie == null) return;
  var cible = e.target;
  // Regler la lecture, le son ou l'ecran n'est pas changer de diapo.
  if (cible && cible.closest && cible.closest("#cmdLecture, #cmdDuree, #cmdSon, #cmdPleinEcran")) return;
  ArreterLecture();
}

function MontrerDiaporamaVide() {
  var diapo = Element("diapo");
  diapo.removeAttribute("src");
  (diapo.closest("figure") || diapo).hidden = true;
  document.body.classList.add("vide");
  Element("InfoDiaporama").textContent = "0 / 0";
  Element("InfoTexte").textContent = "Ce diaporama ne contient encore aucune diapositive.";
}

// Boutons sans effet a une extremite : grises, mais gardent le focus du clavier.
function MajCommandes() {
  var vide = NBSprite < 0;
  Griser("cmdPremiere", vide || Courante == 0);
  Griser("cmdPrecedente", vide || Courante == 0);
  Griser("cmdSuivante", vide || Courante >= NBSprite);
  Griser("cmdDerniere", vide || Courante >= NBSprite);
  Griser("cmdLecture", NBSprite < 1);
  Griser("cmdEnsemble", vide);
  if (!vide) DecrireImage(Courante);
}

function Griser(id, grise) {
  Avec(id, function (bouton) {
    if (grise) bouton.setAttribute("aria-disabled", "true");
    else bouton.removeAttribute("aria-disabled");
  });
}

function ImageChargee() {
  Element("diapo").classList.remove("absente");
}

function ImageAbsente() {
  if (Element("diapo").getAttribute("src")) Element("diapo").classList.add("absente");
}

// Les voisines de la diapo montree sont chargees d'avance : le pas suivant est immediat. Seules
// elles et la diapo montree sont gardees en taille reelle.
var Prechargees = {};
function Precharger(i) {
  if (i < 0 || i > NBSprite) return null;
  if (!Prechargees[i]) {
    var image = new Image();
    image.decoding = "async";
    image.src = RepImage + i + TypeImage[i];
    Prechargees[i] = image;
  }
  return Prechargees[i];
}

function OublierLointaines() {
  for (var k in Prechargees) {
    if (Math.abs(k - Courante) > 1) delete Prechargees[k];
  }
}

// Fondu enchaine
// --------------

function MouvementReduit() {
  return !!(window.matchMedia && window.matchMedia("(prefers-reduced-motion: reduce)").matches);
}

// La nouvelle image n'est posee qu'une fois decodee : pas d'image blanche entre deux diapos.
// L'ancienne reste un instant dessous, en copie sans nom ni clic, pendant que la nouvelle
// apparait par-dessus ; la page reste a l'ecoute pendant le fondu.
var DemandeImage = 0;
var Fondu = null;

function MontrerImage(i, sansFondu) {
  var jeton = ++DemandeImage;
  var adresse = RepImage + i + TypeImage[i];
  var image = Precharger(i);
  var pret = image.decode ? image.decode() : Promise.resolve();
  pret.catch(function () {}).then(function () {
    // Une diapo demandee depuis a la priorite.
    if (jeton != DemandeImage) return;
    var diapo = Element("diapo");
    var fondre = !sansFondu && diapo.complete && diapo.naturalWidth > 0 && !document.hidden && !MouvementReduit() &&
      !!diapo.animate;
    FinirFondu();
    var ancienne = fondre ? CopieDuCadre() : null;
    diapo.src = adresse;
    OublierLointaines();
    if (ancienne) Fondre(ancienne);
  });
}

function Cadre() {
  var diapo = Element("diapo");
  return (diapo.closest && diapo.closest("figure")) || diapo;
}

// La copie prend exactement la place de l'original, juste avant lui.
function CopieDuCadre() {
  var cadre = Cadre();
  var image = Element("diapo");
  var copie = cadre.cloneNode(true);
  var images = copie.tagName == "IMG" ? [copie] : copie.querySelectorAll("img");
  var largeur = image.offsetWidth;
  var hauteur = image.offsetHeight;
  copie.removeAttribute("id");
  var nommes = copie.querySelectorAll("[id]");
  for (var k = 0; k < nommes.length; k++) nommes[k].removeAttribute("id");
  for (k = 0; k < images.length; k++) {
    images[k].alt = "";
    images[k].style.width = largeur + "px";
    images[k].style.height = hauteur + "px";
    images[k].style.maxWidth = "none";
    images[k].style.maxHeight = "none";
  }
  copie.setAttribute("aria-hidden", "true");
  copie.style.position = "absolute";
  copie.style.left = cadre.offsetLeft + "px";
  copie.style.top = cadre.offsetTop + "px";
  copie.style.width = cadre.offsetWidth + "px";
  copie.style.height = cadre.offsetHeight + "px";
  copie.style.margin = "0";
  copie.style.pointerEvents = "none";
  cadre.parentNode.insertBefore(copie, cadre);
  return copie;
}

function Fondre(ancienne) {
  var duree = { duration: 350, easing: "ease-out" };
  Fondu = {
    ancienne: ancienne,
    sortie: ancienne.animate([{ opacity: 1 }, { opacity: 0 }], { duration: 350, easing: "ease-in" }),
    entree: Cadre().animate([{ opacity: 0 }, { opacity: 1 }], duree)
  };
  Fondu.entree.onfinish = FinirFondu;
}

function FinirFondu() {
  if (Fondu == null) return;
  var fini = Fondu;
  Fondu = null;
  if (fini.entree.playState != "finished") fini.entree.finish();
  fini.sortie.cancel();
  if (fini.ancienne.parentNode) fini.ancienne.parentNode.removeChild(fini.ancienne);
}

// Lecture automatique
// -------------------

var Minuterie = null;
// Duree de chaque diapo en lecture, en secondes, au choix du visiteur ; son choix est garde.
var Durees = [2, 3, 4, 6, 8, 12];
var DureeLecture = parseInt(LireReglage("ostrelle.duree"), 10);
if (Durees.indexOf(DureeLecture) < 0) DureeLecture = 4;

function BasculerLecture() {
  if (Minuterie != null) ArreterLecture();
  else if (NBSprite >= 1) LancerLecture();
}

function LancerLecture() {
  PlanifierSuivante();
  MajLecture();
}

function ArreterLecture() {
  clearTimeout(Minuterie);
  Minuterie = null;
  MajLecture();
}

function PlanifierSuivante() {
  clearTimeout(Minuterie);
  Minuterie = setTimeout(Avancer, DureeLecture * 1000);
}

function ChangerDuree() {
  DureeLecture = Durees[(Durees.indexOf(DureeLecture) + 1) % Durees.length];
  EcrireReglage("ostrelle.duree", String(DureeLecture));
  // En lecture, la diapo montree repart pour la nouvelle duree.
  if (Minuterie != null) PlanifierSuivante();
  MajDuree();
}

function MajDuree() {
  Avec("cmdDuree", function (bouton) {
    bouton.setAttribute("aria-label", "Dur\u00e9e de chaque diapo : " + DureeLecture + " s");
    bouton.title = bouton.getAttribute("aria-label");
    Avec("txtDuree", function (t) { t.textContent = DureeLecture + " s"; });
  });
}

// En lecture, apres la derniere diapo on repart de la premiere.
function Avancer() {
  Minuterie = null;
  Afficher(Courante < NBSprite ? Courante + 1 : 0);
  PlanifierSuivante();
}

function MajLecture() {
  var enCours = Minuterie != null;
  Avec("cmdLecture", function (bouton) {
    bouton.setAttribute("aria-label", enCours ? "Mettre en pause" : "Lancer la lecture automatique");
    bouton.title = bouton.getAttribute("aria-label");
    bouton.classList.toggle("en-cours", enCours);
    Avec("txtLecture", function (t) { t.textContent = enCours ? "Pause" : "Lecture"; });
  });
  // Un compteur qui change toutes les quatre secondes ne doit pas couper la parole.
  Element("InfoDiaporama").setAttribute("aria-live", enCours ? "off" : "polite");
}

// Son
// ---

// Pas de son avant un geste de l'utilisateur : les navigateurs le refusent et c'est poli.
var Interaction = false;
// Le carillon se tait tant que le visiteur ne l'a pas demande ; son choix est garde.
var SonCoupe = LireReglage("ostrelle.son") != "actif";

function NoterInteraction() {
  Interaction = true;
}

function JouerSon() {
  if (!Interaction || SonCoupe) return;
  // Le carillon est un agrement : un navigateur qui refuse le son ne bloque rien.
  try {
    if (Son == null) Son = new Audio("sohifrm2.wav");
    Son.currentTime = 0;
    var lecture = Son.play();
    if (lecture && lecture.catch) lecture.catch(function () {});
  } catch (e) {
  }
}

function BasculerSon() {
  SonCoupe = !SonCoupe;
  EcrireReglage("ostrelle.son", SonCoupe ? "coupe" : "actif");
  if (SonCoupe && Son != null) Son.pause();
  MajSon();
}

function MajSon() {
  Avec("cmdSon", function (bouton) {
    bouton.setAttribute("aria-label", SonCoupe ? "Activer le son" : "Couper le son");
    bouton.title = bouton.getAttribute("aria-label");
    bouton.classList.toggle("coupe", SonCoupe);
  });
}

// Plein ecran
// -----------

function PleinEcranPossible() {
  var racine = document.documentElement;
  return !!((document.fullscreenEnabled && racine.requestFullscreen) ||
            (document.webkitFullscreenEnabled && racine.webkitRequestFullscreen));
}

function ElementPleinEcran() {
  return document.fullscreenElement || document.webkitFullscreenElement || null;
}

function BasculerPleinEcran() {
  try {
    var demande;
    if (ElementPleinEcran()) {
      demande = document.exitFullscreen ? document.exitFullscreen() : document.webkitExitFullscreen();
    } else {
      var racine = document.documentElement;
      demande = racine.requestFullscreen ? racine.requestFullscreen() : racine.webkitRequestFullscreen();
    }
    if (demande && demande.catch) demande.catch(function () {});
  } catch (e) {
  }
}

function MajPleinEcran() {
  var plein = ElementPleinEcran() != null;
  document.body.classList.toggle("plein-ecran", plein);
  Avec("cmdPleinEcran", function (bouton) {
    bouton.setAttribute("aria-label", plein ? "Quitter le plein \u00e9cran" : "Afficher en plein \u00e9cran");
    bouton.title = bouton.getAttribute("aria-label");
    Avec("txtPleinEcran", function (t) { t.textContent = plein ? "Quitter" : "Plein \u00e9cran"; });
  });
}

// Vue d'ensemble
// --------------

// Toutes les diapos en vignettes : les images elles-memes, chargees seulement quand elles
// approchent de la partie visible de la grille. Construite a la premiere ouverture.
var Ensemble = null;

function EnsembleOuvert() {
  return Ensemble != null && Ensemble.open;
}

var IconeFermer = '<svg viewBox="0 0 24 24" aria-hidden="true"><path d="M6 6l12 12M18 6L6 18" ' +
  'fill="none" stroke="currentColor" stroke-width="2.4" stroke-linecap="round"/></svg>';

// Les tailles de police de l'editeur (font size 1 a 7) suivent la taille du texte de la page, qui
// grandit sur les tres grands ecrans.
var StyleCommun =
  "#InfoTexte font[size='1']{font-size:.625rem}#InfoTexte font[size='2']{font-size:.8125rem}" +
  "#InfoTexte font[size='3']{font-size:1rem}#InfoTexte font[size='4']{font-size:1.125rem}" +
  "#InfoTexte font[size='5']{font-size:1.5rem}#InfoTexte font[size='6']{font-size:2rem}" +
  "#InfoTexte font[size='7']{font-size:3rem}" +
  ".ensemble{width:100%;height:100%;max-width:none;max-height:none;margin:0;padding:0;border:0;" +
  "color:var(--ensemble-encre,#f4f1ec);background:var(--ensemble-fond,#1b1917);font:inherit}" +
  ".ensemble[open]{display:flex;flex-direction:column}" +
  ".ensemble::backdrop{background:rgba(0,0,0,.5)}" +
  ".ensemble-entete{display:flex;align-items:center;justify-content:space-between;gap:1rem;" +
  "padding:.5rem .75rem .5rem 1.25rem;border-bottom:1px solid rgba(127,127,127,.35)}" +
  ".ensemble-entete h2{margin:0;font-size:1.15rem;font-weight:600}" +
  ".ensemble button{color:inherit;background:transparent;border:0;font:inherit;cursor:pointer}" +
  ".ensemble-fermer{display:inline-flex;align-items:center;justify-content:center;width:2.75rem;" +
  "height:2.75rem;border-radius:50%}" +
  ".ensemble-fermer:hover{background:rgba(127,127,127,.25)}" +
  ".ensemble-fermer svg{width:1.4rem;height:1.4rem}" +
  ".ensemble-grille{flex:1;min-height:0;overflow-y:auto;margin:0;padding:1rem;list-style:none;" +
  "display:grid;grid-template-columns:repeat(auto-fill,minmax(min(max(9.5rem,11vw),40vw),1fr));gap:.75rem;" +
  "align-content:start;overscroll-behavior:contain}" +
  ".vignette{position:relative;display:block;width:100%;padding:0;border-radius:6px;overflow:hidden;" +
  "aspect-ratio:4/3;background:rgba(127,127,127,.22)!important;outline-offset:2px}" +
  ".vignette img{display:block;width:100%;height:100%;object-fit:cover}" +
  ".vignette span{position:absolute;left:.35rem;bottom:.35rem;min-width:1.6rem;padding:.1rem .4rem;" +
  "border-radius:999px;color:#fff;background:rgba(0,0,0,.72);font-size:.8rem;font-weight:600;" +
  "font-variant-numeric:tabular-nums;text-align:center}" +
  ".vignette:hover img{opacity:.85}" +
  ".vignette:focus-visible{outline:3px solid var(--ensemble-accent,#9cc4ff)}" +
  ".vignette[aria-current=true]{box-shadow:0 0 0 3px var(--ensemble-accent,#9cc4ff)}" +
  ".vignette[aria-current=true] span{color:#111;background:var(--ensemble-accent,#9cc4ff)}" +
  ".ensemble-fermer:focus-visible{outline:3px solid var(--ensemble-accent,#9cc4ff)}" +
  // Ecran etroit ou telephone couche : les options ne gardent que leur icone ; le libelle reste
  // lu par les lecteurs d'ecran.
  "@media (max-width:760px),(orientation:landscape) and (max-height:560px){.options .libelle{" +
  "position:absolute;width:1px;height:1px;overflow:hidden;clip:rect(0 0 0 0);white-space:nowrap}}";

// La feuille commune a tous les modeles, posee avant la leur : le modele garde le dernier mot.
function PoserStyleCommun() {
  var style = document.createElement("style");
  style.textContent = StyleCommun;
  document.head.insertBefore(style, document.head.firstChild);
}

function ConstruireEnsemble() {
  Ensemble = document.createElement("dialog");
  Ensemble.className = "ensemble";
  Ensemble.id = "Ensemble";
  Ensemble.setAttribute("aria-labelledby", "titreEnsemble");
  Ensemble.innerHTML = '<div class="ensemble-entete"><h2 id="titreEnsemble">Vue d\'ensemble</h2>' +
    '<button type="button" class="ensemble-fermer" id="cmdFermerEnsemble" ' +
    'aria-label="Fermer la vue d\'ensemble" title="Fermer (\u00c9chap)">' + IconeFermer + '</button></div>' +
    '<ol class="ensemble-grille" aria-label="Diapos"></ol>';
  var grille = Ensemble.querySelector("ol");
  var observateur = window.IntersectionObserver ? new IntersectionObserver(ChargerVignettes,
    { root: grille, rootMargin: "200px 0px" }) : null;
  for (var k = 0; k <= NBSprite; k++) {
    var element = document.createElement("li");
    var vignette = document.createElement("button");
    vignette.type = "button";
    vignette.className = "vignette";
    vignette.setAttribute("data-diapo", k);
    var texte = TexteDuCommentaire(k);
    if (texte.length > 80) texte = texte.slice(0, 79) + "\u2026";
    vignette.setAttribute("aria-label", "Diapo " + (k + 1) + (texte ? " : " + texte : ""));
    var image = document.createElement("img");
    image.alt = "";
    image.decoding = "async";
    image.setAttribute("data-src", RepImage + k + TypeImage[k]);
    var numero = document.createElement("span");
    numero.setAttribute("aria-hidden", "true");
    numero.textContent = k + 1;
    vignette.appendChild(image);
    vignette.appendChild(numero);
    element.appendChild(vignette);
    grille.appendChild(element);
    if (observateur) observateur.observe(image);
    else image.src = image.getAttribute("data-src");
  }
  grille.addEventListener("click", function (e) {
    var vignette = e.target.closest ? e.target.closest(".vignette") : null;
    if (vignette) ChoisirVignette(parseInt(vignette.getAttribute("data-diapo"), 10));
  });
  grille.addEventListener("keydown", ToucheGrille);
  Ensemble.querySelector("#cmdFermerEnsemble").addEventListener("click", FermerEnsemble);
  Ensemble.addEventListener("close", function () {
    Avec("cmdEnsemble", function (b) { b.focus(); });
  });
  document.body.appendChild(Ensemble);
}

function ChargerVignettes(vues, observateur) {
  for (var k = 0; k < vues.length; k++) {
    if (!vues[k].isIntersecting) continue;
    var image = vues[k].target;
    image.src = image.getAttribute("data-src");
    observateur.unobserve(image);
  }
}

function OuvrirEnsemble() {
  if (NBSprite < 0 || !window.HTMLDialogElement) return;
  if (Ensemble == null) ConstruireEnsemble();
  if (Ensemble.open) return;
  var vignettes = Ensemble.querySelectorAll(".vignette");
  for (var k = 0; k < vignettes.length; k++) {
    if (k == Courante) vignettes[k].setAttribute("aria-current", "true");
    else vignettes[k].removeAttribute("aria-current");
  }
  Ensemble.showModal();
  vignettes[Courante].focus();
  vignettes[Courante].scrollIntoView({ block: "nearest" });
}

function FermerEnsemble() {
  if (EnsembleOuvert()) Ensemble.close();
}

function ChoisirVignette(i) {
  FermerEnsemble();
  Naviguer(i);
}

// Les fleches parcourent la grille, ligne par ligne ; Entree ou Espace choisit (bouton).
function ToucheGrille(e) {
  var vignette = e.target.closest ? e.target.closest(".vignette") : null;
  if (!vignette || e.altKey || e.ctrlKey || e.metaKey) return;
  var vignettes = Ensemble.querySelectorAll(".vignette");
  var i = parseInt(vignette.getAttribute("data-diapo"), 10);
  var colonnes = 1;
  while (colonnes < vignettes.length && vignettes[colonnes].offsetTop == vignettes[0].offsetTop) colonnes++;
  var cible = i;
  if (e.key == "ArrowRight" || e.key == "Right") cible = i + 1;
  else if (e.key == "ArrowLeft" || e.key == "Left") cible = i - 1;
  else if (e.key == "ArrowDown" || e.key == "Down") cible = i + colonnes;
  else if (e.key == "ArrowUp" || e.key == "Up") cible = i - colonnes;
  else if (e.key == "Home") cible = 0;
  else if (e.key == "End") cible = vignettes.length - 1;
  else return;
  e.preventDefault();
  if (cible >= 0 && cible < vignettes.length) vignettes[cible].focus();
}

// Clavier et gestes
// -----------------

function ChampDeSaisie(cible) {
  return !!(cible && cible.closest && cible.closest("input, textarea, select, [contenteditable]"));
}

function ToucheClavier(e) {
  if (e.defaultPrevented || e.altKey || e.ctrlKey || e.metaKey) return;
  if (ChampDeSaisie(e.target) || EnsembleOuvert()) return;
  var touche = e.key;
  if (touche == " " || touche == "Spacebar") {
    // Sur un bouton, l'espace appartient au bouton.
    if (e.target && e.target.closest && e.target.closest("button, a")) return;
    if (e.shiftKey) Precedente();
    else Suivante();
  }
  else if (touche == "ArrowLeft" || touche == "Left") Precedente();
  else if (touche == "ArrowRight" || touche == "Right") Suivante();
  else if (touche == "Home") Premiere();
  else if (touche == "End") Derniere();
  else if ((touche == "f" || touche == "F") && PleinEcranPossible()) BasculerPleinEcran();
  else if ((touche == "g" || touche == "G") && NBSprite >= 0) OuvrirEnsemble();
  else if (touche == "Escape" || touche == "Esc") {
    if (Minuterie != null) ArreterLecture();
    else if (ElementPleinEcran()) BasculerPleinEcran();
    else return;
  }
  else return;
  e.preventDefault();
}

// Un glissement franc et plutot horizontal change de diapo ; le reste est du defilement.
var DebutGeste = null;

function DebutToucher(e) {
  var zoom = window.visualViewport ? window.visualViewport.scale : 1;
  if (e.touches.length != 1 || zoom > 1.01 || (e.target.closest && e.target.closest("button"))) {
    DebutGeste = null;
    return;
  }
  DebutGeste = { x: e.touches[0].clientX, y: e.touches[0].clientY };
}

function FinToucher(e) {
  if (DebutGeste == null || e.changedTouches.length != 1) return;
  var dx = e.changedTouches[0].clientX - DebutGeste.x;
  var dy = e.changedTouches[0].clientY - DebutGeste.y;
  DebutGeste = null;
  if (Math.abs(dx) < 50 || Math.abs(dx) < 1.5 * Math.abs(dy)) return;
  if (dx < 0) Suivante();
  else Precedente();
}

function PreparerCommandes() {
  PoserStyleCommun();
  document.addEventListener("keydown", ToucheClavier);
  // Phase de capture : le geste est note avant que le bouton ne change de diapo.
  window.addEventListener("pointerdown", NoterInteraction, true);
  window.addEventListener("pointerdown", PrendreLaMain, true);
  window.addEventListener("keydown", PrendreLaMain, true);
  window.addEventListener("keydown", NoterInteraction, true);
  window.addEventListener("touchstart", NoterInteraction, { capture: true, passive: true });
  var scene = Element("diapo").parentNode;
  while (scene.parentNode && scene.parentNode != document.body && !scene.classList.contains("scene"))
    scene = scene.parentNode;
  scene.addEventListener("touchstart", DebutToucher, { passive: true });
  scene.addEventListener("touchend", FinToucher, { passive: true });
  scene.addEventListener("touchcancel", function () { DebutGeste = null; }, { passive: true });
  Avec("cmdLecture", function (b) { b.addEventListener("click", BasculerLecture); });
  Avec("cmdDuree", function (b) { b.addEventListener("click", ChangerDuree); });
  Avec("cmdSon", function (b) { b.addEventListener("click", BasculerSon); });
  Avec("cmdEnsemble", function (b) {
    b.hidden = !window.HTMLDialogElement;
    b.addEventListener("click", OuvrirEnsemble);
  });
  Avec("cmdPleinEcran", function (b) {
    b.hidden = !PleinEcranPossible();
    b.addEventListener("click", BasculerPleinEcran);
  });
  document.addEventListener("fullscreenchange", MajPleinEcran);
  document.addEventListener("webkitfullscreenchange", MajPleinEcran);
  MajLecture();
  MajDuree();
  MajSon();
  MajPleinEcran();
}

// La page appelle PoserPremiere juste apres son image : la photo d'ouverture (celle de l'adresse)
// s'affiche sans attendre la fin de la page.
function PoserPremiere() {
  if (NBSprite < 0) return;
  var k = NumeroDeLAdresse();
  Element("diapo").src = RepImage + k + TypeImage[k];
}

// La photo de l'ouverture est demandee des maintenant, pendant que le reste de la page arrive.
if (NBSprite >= 0) Precharger(NumeroDeLAdresse());
if (document.readyState == "loading") document.addEventListener("DOMContentLoaded", Demarrer);
else Demarrer();
